#include "info/ui/infodialogs.h"

#include "info/tips.h"
#include "widgets/dialoghelper.h"
#include "widgets/help.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

bool showTipOfTheDay(QWidget* parent, const DialogContext& context, bool showAtStartup)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TipOfTheDay"));
    dialog.setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(QStringLiteral("Did you know..."), &dialog);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    int index = randomTipIndex();
    auto* tip = wrappedLabel(tipsOfTheDay().at(index), &dialog);
    tip->setObjectName(QStringLiteral("TipText"));
    tip->setMinimumSize(360, 80);
    tip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(tip);

    auto* showTips = new QCheckBox(QStringLiteral("&Show Tips at Startup"), &dialog);
    showTips->setObjectName(QStringLiteral("ShowTips"));
    showTips->setChecked(showAtStartup);
    auto* next = new QPushButton(QStringLiteral("&Next Tip"), &dialog);
    auto* close = new QPushButton(QStringLiteral("&Close"), &dialog);
    close->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(showTips);
    row->addStretch();
    row->addWidget(next);
    row->addWidget(close);
    layout->addLayout(row);

    QObject::connect(next, &QPushButton::clicked, &dialog, [&] {
        index = (index + 1) % tipsOfTheDay().size();
        tip->setText(tipsOfTheDay().at(index));
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    showDialog(dialog, context);
    return showTips->isChecked();
}

void showUserManualNotice(QWidget* parent, const DialogContext& context)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("User Manual"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(wrappedLabel(
        QStringLiteral("The user manual is part of the help pages. It explains every window of the program "
                       "step by step, from typing a word list to printing a puzzle with its answer key."),
        &dialog));
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* open = buttons->addButton(QStringLiteral("&Open User Manual"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(open, &QPushButton::clicked, &dialog, [&] {
        openHelp(QStringLiteral("USER MANUAL"));
        dialog.accept();
    });
    showDialog(dialog, context);
}

void showAboutBox(QWidget* parent, const DialogContext& context)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("About Quillmaze"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = new QLabel(QStringLiteral("Quillmaze 98"), &dialog);
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    name->setFont(font);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    auto* text = wrappedLabel(QStringLiteral("Word search puzzles, made and printed.\nVersion 3.0c"), &dialog);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    showDialog(dialog, context);
}
