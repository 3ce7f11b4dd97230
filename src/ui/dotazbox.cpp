#include "dotazbox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

QMessageBox::Icon messageBoxIcon(DotazBox::Icon icon)
{
    switch (icon) {
    case DotazBox::Icon::Warning: return QMessageBox::Warning;
    case DotazBox::Icon::Stop: return QMessageBox::Critical;
    case DotazBox::Icon::Information: return QMessageBox::Information;
    case DotazBox::Icon::Help: return QMessageBox::Question;
    case DotazBox::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int DotazBox::show(QWidget *parent) const
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("dotaz"));
    box.setWindowTitle(caption);
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    box.setIcon(messageBoxIcon(icon));

    // Action role keeps the buttons in their own order, left to right.
    const int count = std::clamp(buttonCount, 1, 3);
    std::array<QPushButton *, 3> buttons{};
    for (int i = 0; i < count; ++i) {
        buttons[i] = box.addButton(buttonCaptions[i], QMessageBox::ActionRole);
        if (buttonResults[i] == Cancel && !box.escapeButton())
            box.setEscapeButton(buttons[i]);
    }
    for (int i = 0; i < count; ++i) {
        if (buttonResults[i] == Confirm) {
            box.setDefaultButton(buttons[i]);
            break;
        }
    }
    buttons[0]->setFocus();
    box.exec();
    for (int i = 0; i < count; ++i) {
        if (box.clickedButton() == buttons[i])
            return buttonResults[i];
    }
    return Cancel;
}

int DotazBox::inform(const QString &message, Icon messageIcon, QWidget *parent)
{
    text = message;
    icon = messageIcon;
    buttonCount = 1;
    buttonCaptions[0] = QStringLiteral("OK");
    buttonResults[0] = Confirm;
    return show(parent);
}

} // namespace ui
