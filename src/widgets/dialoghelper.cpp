#include "widgets/dialoghelper.h"

#include "storage/settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

QColor colourOf(std::uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void takeFont(QWidget* widget, const UserFont& userFont, bool withColour)
{
    QFont font = widget->font();
    font.setFamily(userFont.name);
    font.setBold(userFont.bold);
    font.setItalic(userFont.italic);
    widget->setFont(font);
    if (withColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, colourOf(userFont.color));
        palette.setColor(QPalette::Text, colourOf(userFont.color));
        widget->setPalette(palette);
    }
}

void applyUserFont(QWidget* widget, const Settings& settings)
{
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)
        || qobject_cast<QRadioButton*>(widget)) {
        takeFont(widget, settings.labelFont, true);
    } else if (qobject_cast<QListView*>(widget) && !qobject_cast<QTableView*>(widget)) {
        takeFont(widget, settings.labelFont, false);
    } else if (qobject_cast<QGroupBox*>(widget)) {
        takeFont(widget, settings.labelFont, false);
    } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTableView*>(widget)
               || qobject_cast<QComboBox*>(widget) || qobject_cast<QPlainTextEdit*>(widget)
               || qobject_cast<QTextEdit*>(widget)) {
        takeFont(widget, settings.editFont, true);
    } else if (qobject_cast<QAbstractSpinBox*>(widget)) {
        takeFont(widget, settings.editFont, false);
    } else if (qobject_cast<QPushButton*>(widget) || qobject_cast<QToolButton*>(widget)) {
        takeFont(widget, settings.buttonFont, false);
    }
}

} // namespace

void applyUserFonts(QWidget* root, const Settings& settings)
{
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        // Line edits inside combo and spin boxes follow their owner.
        if (qobject_cast<QComboBox*>(child->parentWidget()) || qobject_cast<QAbstractSpinBox*>(child->parentWidget()))
            continue;
        applyUserFont(child, settings);
    }
}

void scaleWindow(QWidget* window, double scale)
{
    if (std::abs(scale - 1.0) < 1e-9)
        return;
    const auto scaledValue = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    // Every size is taken before any is changed and then set explicitly, so
    // a child that inherits its font is not scaled twice.
    struct Sized {
        QWidget* widget;
        double points;
        int pixels;
    };
    QList<Sized> sizes;
    sizes.append({window, window->font().pointSizeF(), window->font().pixelSize()});
    for (QWidget* child : window->findChildren<QWidget*>())
        sizes.append({child, child->font().pointSizeF(), child->font().pixelSize()});
    for (const Sized& sized : sizes) {
        QFont font = sized.widget->font();
        if (sized.points > 0)
            font.setPointSizeF(sized.points * scale);
        else if (sized.pixels > 0)
            font.setPixelSize(scaledValue(sized.pixels));
        sized.widget->setFont(font);
    }
    for (QWidget* child : window->findChildren<QWidget*>()) {
        // Windows laid out by hand place their controls themselves.
        if (!window->layout() && child->parentWidget() == window) {
            const QRect g = child->geometry();
            child->setGeometry(scaledValue(g.x()), scaledValue(g.y()), scaledValue(g.width()), scaledValue(g.height()));
        }
    }
    if (window->layout())
        window->adjustSize(); // the layout sizes the window from its scaled contents
    else
        window->resize(scaledValue(window->width()), scaledValue(window->height()));
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // A window larger than the screen is brought back onto it.
    const QSize available = screen->availableGeometry().size();
    if (window->width() > available.width() || window->height() > available.height())
        window->resize(std::min(window->width(), available.width()), std::min(window->height(), available.height()));
    window->move(area.left() + (area.width() - window->width()) / 2,
                 area.top() + (area.height() - window->height()) / 2);
}

bool leftForAnotherControl(const QEvent* event, const QWidget* window, std::initializer_list<const QWidget*> exempt)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    const QWidget* next = QApplication::focusWidget();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && window->isVisible()
           && std::find(exempt.begin(), exempt.end(), next) == exempt.end();
}

void refocusLater(QLineEdit* edit)
{
    // After the message box has closed, so that its own focus changes do not
    // undo this one.
    QTimer::singleShot(0, edit, [edit] {
        edit->setFocus();
        edit->selectAll();
    });
}

int DialogContext::scaled(int pixels) const { return static_cast<int>(std::lround(pixels * screenScale)); }

void prepareDialog(QDialog& dialog, const DialogContext& context)
{
    applyUserFonts(&dialog, context.settings);
    if (dialog.layout())
        dialog.adjustSize();
    scaleWindow(&dialog, context.screenScale);
    centreOnScreen(&dialog);
}

int showDialog(QDialog& dialog, const DialogContext& context)
{
    prepareDialog(dialog, context);
    return dialog.exec();
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* okCancelRow(QDialog* dialog, QPushButton** ok)
{
    *ok = new QPushButton(QStringLiteral("&Ok"), dialog);
    (*ok)->setObjectName(QStringLiteral("OkButton"));
    (*ok)->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(*ok);
    row->addWidget(cancel);
    return row;
}
