#include "spelling/ui/languagechoicedialog.h"

#include "widgets/dialoghelper.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

LanguageChoiceDialog::LanguageChoiceDialog(const QString& caption, const QStringList& captions,
                                           const QList<bool>& present, int lastChosen, QWidget* parent)
    : QDialog(parent), m_lastChosen(lastChosen)
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* buttons = new QVBoxLayout(group);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const int language = static_cast<int>(i) + 1;
        auto* radio = new QRadioButton(captions[i], group);
        radio->setObjectName(QStringLiteral("Language%1").arg(language));
        const bool available = i < present.size() && present[i];
        radio->setEnabled(available);
        radio->setChecked(available && language == lastChosen);
        connect(radio, &QRadioButton::clicked, this, [this, language] { m_lastChosen = language; });
        buttons->addWidget(radio);
        m_buttons.append(radio);
    }
    layout->addWidget(group);
    QPushButton* ok = nullptr;
    layout->addLayout(okCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int LanguageChoiceDialog::language() const
{
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 0;
}

QRadioButton* LanguageChoiceDialog::button(int language) const
{
    return language >= 1 && language <= m_buttons.size() ? m_buttons[language - 1] : nullptr;
}
