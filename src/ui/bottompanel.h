#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// The strip of buttons and selectors under the list, each control at its fixed place and with
// its design name as object name.
class BottomPanel : public QWidget {
    Q_OBJECT
public:
    explicit BottomPanel(QWidget *parent = nullptr);

    static constexpr int Height = 78;
    static QStringList yearEntries(int currentYear);

    QPushButton *doListy;         // suiButton1
    QPushButton *nacistVazniList; // Button1
    QComboBox *rok;               // suiComboBoxRok
    QGroupBox *typ;               // suiRadioGroupTyp
    QButtonGroup *typButtons;
    QCheckBox *dosaditKc;       // suiCheckBox3
    QPushButton *dosadit;       // suiButton2
    QPushButton *tiskTabulky;   // suiButton3
    QLabel *skladLabel;         // Label1
    QLineEdit *sklad;           // suiEdit2
    QPushButton *zmenitSklad;   // suiButton6
    QFrame *fakturaFrame;       // Panel1
    QCheckBox *uhradaFaktur;    // suiCheckBox1
    QPushButton *zapsatFakturu; // suiButton4
    QLineEdit *cisloFaktury;    // suiEdit1
    QDateEdit *datumFaktury;    // DateEdit1
    QPushButton *zapisDodavky;  // suiButton5
    QCheckBox *doplnitBurzu;    // suiCheckBox2
    QPushButton *burza;         // suiButton7
};

} // namespace ui
