#include "bottompanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

namespace {

template <typename Control>
Control *place(Control *control, const char *name, int left, int top, int width = -1,
               int height = -1)
{
    control->setObjectName(QString::fromLatin1(name));
    const QSize hint = control->sizeHint();
    control->setGeometry(left, top, width < 0 ? hint.width() : width,
                         height < 0 ? hint.height() : height);
    return control;
}

QPushButton *button(QWidget *parent, const QString &caption, const char *name, int left, int top,
                    int width, int height)
{
    return place(new QPushButton(caption, parent), name, left, top, width, height);
}

} // namespace

QStringList BottomPanel::yearEntries(int currentYear)
{
    QStringList entries{QStringLiteral("Vše")};
    for (int year = currentYear; year >= 2013; --year)
        entries << QString::number(year);
    return entries;
}

BottomPanel::BottomPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("suiPanel2"));
    setFixedHeight(Height);

    doListy = button(this, QStringLiteral("do lišty"), "suiButton1", 20, 18, 80, 48);
    nacistVazniList =
        button(this, QStringLiteral("Načíst vážní list"), "Button1", 125, 18, 130, 48);

    rok = place(new QComboBox(this), "suiComboBoxRok", 275, 28, 70);
    QFont large = rok->font();
    large.setPointSize(large.pointSize() + 3);
    rok->setFont(large);
    rok->addItems(yearEntries(QDate::currentDate().year()));
    rok->setEditable(true); // a year outside the list can be typed
    rok->setInsertPolicy(QComboBox::NoInsert);
    rok->setValidator(new QIntValidator(1900, 9999, rok));
    rok->setGeometry(275, 28, 70, rok->sizeHint().height());

    typ = place(new QGroupBox(this), "suiRadioGroupTyp", 360, 2, 126, 72);
    typButtons = new QButtonGroup(this);
    auto *typLayout = new QVBoxLayout(typ);
    typLayout->setContentsMargins(6, 2, 2, 2);
    const QStringList types{QStringLiteral("pouze příjem"), QStringLiteral("pouze výdej"),
                            QStringLiteral("všechny doklady")};
    for (int i = 0; i < types.size(); ++i) {
        auto *radio = new QRadioButton(types[i], typ);
        typLayout->addWidget(radio);
        typButtons->addButton(radio, i);
    }
    typButtons->button(0)->setChecked(true);

    dosaditKc = place(new QCheckBox(QStringLiteral("dosadit Kč"), this), "suiCheckBox3", 515, 12);
    dosadit = button(this, QStringLiteral("Dosadit Kč"), "suiButton2", 505, 40, 110, 27);
    dosadit->setEnabled(false);
    tiskTabulky = button(this, QStringLiteral("Tisk tabulky"), "suiButton3", 635, 18, 110, 48);

    skladLabel = place(new QLabel(QStringLiteral("Sklad"), this), "Label1", 761, 18);
    sklad = place(new QLineEdit(this), "suiEdit2", 802, 15, 39);
    sklad->setMaxLength(3);
    zmenitSklad = button(this, QStringLiteral("Změnit sklad"), "suiButton6", 761, 41, 80, 27);
    skladLabel->hide();
    sklad->hide();
    zmenitSklad->hide();

    fakturaFrame = place(new QFrame(this), "Panel1", 874, 6, 239, 67);
    fakturaFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    uhradaFaktur =
        place(new QCheckBox(QStringLiteral("úhrada faktur"), fakturaFrame), "suiCheckBox1", 18, 7);
    zapsatFakturu =
        button(fakturaFrame, QStringLiteral("Zapsat fakturu"), "suiButton4", 19, 35, 80, 27);
    zapsatFakturu->setEnabled(false);
    cisloFaktury = place(new QLineEdit(fakturaFrame), "suiEdit1", 130, 10, 95);
    cisloFaktury->setEnabled(false);
    datumFaktury =
        place(new QDateEdit(QDate::currentDate(), fakturaFrame), "DateEdit1", 130, 35, 95);
    datumFaktury->setCalendarPopup(true);
    datumFaktury->setDisplayFormat(QStringLiteral("d.M.yyyy"));
    datumFaktury->setEnabled(false);

    zapisDodavky = button(this, QStringLiteral("Zápis dodávky"), "suiButton5", 1134, 18, 110, 48);
    doplnitBurzu =
        place(new QCheckBox(QStringLiteral("doplnit burzu"), this), "suiCheckBox2", 1265, 15);
    burza = button(this, QStringLiteral("Burza"), "suiButton7", 1265, 40, 93, 26);
    burza->setEnabled(false);
}

} // namespace ui
