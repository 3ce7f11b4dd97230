#pragma once

#include "db/resultset.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace ui {

// "TSearchForm2": finds a ticket in the list by a column's value. It reads the list's rows and
// reports the row to make current through rowChosen; it changes nothing else.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    SearchDialog(const db::ResultSet &rows, int startRow, int startField,
                 QWidget *parent = nullptr);

    QComboBox *fields() const { return m_fields; }
    QLineEdit *templateEdit() const { return m_template; }
    QListView *pickList() const { return m_pickList; }
    QCheckBox *listMode() const { return m_listMode; }
    QCheckBox *substringMode() const { return m_substringMode; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void rowChosen(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int chosenField() const;
    void applyField();
    void switchListMode(bool on);
    void switchSubstringMode(bool on);
    void fillPickList(const QList<int> &entries);
    void selectEntry(int entry);
    int selectedEntry() const;
    void entrySelected();
    void templateEdited(const QString &text);
    void takeOver();
    void updateDefaultButton();
    void resizeForMode();
    bool filterTypedKey(QKeyEvent *event);

    const db::ResultSet &m_rows;
    int m_startRow;
    QList<int> m_fieldIndexes;
    QStringList m_texts;    // every row's text in the chosen column
    QList<int> m_entryRows; // the row behind each entry of the pick list

    QComboBox *m_fields;
    QLineEdit *m_template;
    QListView *m_pickList;
    QStringListModel *m_pickModel;
    QCheckBox *m_listMode;
    QCheckBox *m_substringMode;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QWidget *m_topStrip;
    QWidget *m_bottomStrip;
};

} // namespace ui
