#include "searchdialog.h"

#include "tickets/recordsearch.h"
#include "waitcursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int pickListLines = 10;

bool isListKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

} // namespace

SearchDialog::SearchDialog(const db::ResultSet &rows, int startRow, int startField, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_rows(rows)
    , m_startRow(startRow)
    , m_fieldIndexes(tickets::searchableFields(rows))
{
    setObjectName(QStringLiteral("TSearchForm2"));
    setWindowTitle(QStringLiteral("Hledat"));
    setModal(true);

    m_topStrip = new QWidget(this);
    auto *top = new QHBoxLayout(m_topStrip);
    m_fields = new QComboBox(m_topStrip);
    m_fields->setObjectName(QStringLiteral("cbFields"));
    m_template = new QLineEdit(m_topStrip);
    m_template->setObjectName(QStringLiteral("edtemplate"));
    top->addWidget(new QLabel(QStringLiteral("Prohledávat"), m_topStrip));
    top->addWidget(m_fields, 1);
    top->addWidget(new QLabel(QStringLiteral("Co hledat"), m_topStrip));
    top->addWidget(m_template, 1);

    m_pickModel = new QStringListModel(this);
    m_pickList = new QListView(this);
    m_pickList->setObjectName(QStringLiteral("lbfindvalues"));
    m_pickList->setModel(m_pickModel);
    m_pickList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pickList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pickList->setUniformItemSizes(true);
    m_pickList->hide();

    m_bottomStrip = new QWidget(this);
    auto *bottom = new QHBoxLayout(m_bottomStrip);
    m_ok = new QPushButton(QStringLiteral("převzít"), m_bottomStrip);
    m_ok->setObjectName(QStringLiteral("btok"));
    m_cancel = new QPushButton(QStringLiteral("storno"), m_bottomStrip);
    m_cancel->setObjectName(QStringLiteral("btcancel"));
    m_listMode = new QCheckBox(QStringLiteral("zobrazit výběr"), m_bottomStrip);
    m_listMode->setObjectName(QStringLiteral("ckExtendedSearch"));
    m_substringMode = new QCheckBox(QStringLiteral("hledat i části"), m_bottomStrip);
    m_substringMode->setObjectName(QStringLiteral("ckContext"));
    m_substringMode->hide();
    bottom->addWidget(m_ok);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_listMode);
    bottom->addWidget(m_substringMode);
    bottom->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_topStrip);
    layout->addWidget(m_pickList, 1);
    layout->addWidget(m_bottomStrip);

    for (int field : m_fieldIndexes)
        m_fields->addItem(rows.columns()[field].name);
    m_fields->setMaxVisibleItems(std::max(1, m_fields->count()));
    const int preselected = int(m_fieldIndexes.indexOf(startField));
    m_fields->setCurrentIndex(std::max(preselected, 0));

    connect(m_fields, &QComboBox::currentIndexChanged, this, [this] { applyField(); });
    connect(m_listMode, &QCheckBox::toggled, this, &SearchDialog::switchListMode);
    connect(m_substringMode, &QCheckBox::toggled, this, &SearchDialog::switchSubstringMode);
    connect(m_template, &QLineEdit::textEdited, this, &SearchDialog::templateEdited);
    connect(m_template, &QLineEdit::textChanged, this, &SearchDialog::updateDefaultButton);
    connect(m_pickList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SearchDialog::entrySelected);
    connect(m_pickList, &QListView::doubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &SearchDialog::takeOver);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { Q_EMIT rowChosen(m_startRow); });

    m_template->installEventFilter(this);
    m_pickList->installEventFilter(this);
    applyField();
    resizeForMode();
    m_template->setFocus();
}

int SearchDialog::chosenField() const
{
    return m_fieldIndexes.value(m_fields->currentIndex(), -1);
}

void SearchDialog::applyField()
{
    const int field = chosenField();
    m_texts = field >= 0 ? tickets::columnTexts(m_rows, field) : QStringList();
    if (!m_listMode->isChecked()) {
        m_template->clear();
        return;
    }
    WaitCursor wait;
    QList<int> all(m_texts.size());
    std::iota(all.begin(), all.end(), 0);
    if (m_substringMode->isChecked())
        all = tickets::entriesContaining(m_texts, m_template->text());
    else
        m_template->clear();
    fillPickList(all);
    if (!m_rows.rowCount())
        return;
    Q_EMIT rowChosen(0);
    if (!m_entryRows.isEmpty() && !m_substringMode->isChecked())
        m_template->setText(m_texts[m_entryRows.first()]);
    selectEntry(0);
}

void SearchDialog::fillPickList(const QList<int> &entries)
{
    m_entryRows = entries;
    QStringList shown;
    shown.reserve(entries.size());
    for (int row : entries)
        shown << m_texts[row];
    m_pickModel->setStringList(shown);
}

void SearchDialog::selectEntry(int entry)
{
    if (entry < 0 || entry >= m_entryRows.size())
        return;
    m_pickList->setCurrentIndex(m_pickModel->index(entry));
}

int SearchDialog::selectedEntry() const
{
    return m_pickList->currentIndex().isValid() ? m_pickList->currentIndex().row() : -1;
}

void SearchDialog::entrySelected()
{
    const int entry = selectedEntry();
    if (entry < 0)
        return;
    Q_EMIT rowChosen(m_entryRows[entry]);
    if (m_pickList->hasFocus() && !m_substringMode->isChecked()) {
        m_template->setText(m_texts[m_entryRows[entry]]);
        m_template->selectAll();
    }
    updateDefaultButton();
}

void SearchDialog::switchListMode(bool on)
{
    m_pickList->setVisible(on);
    m_substringMode->setVisible(on);
    resizeForMode();
    if (on) {
        applyField();
    } else {
        m_template->clear();
        m_pickModel->setStringList({});
        m_entryRows.clear();
    }
    updateDefaultButton();
}

void SearchDialog::switchSubstringMode(bool on)
{
    if (on) {
        fillPickList(tickets::entriesContaining(m_texts, m_template->text()));
        selectEntry(0);
    } else {
        QList<int> all(m_texts.size());
        std::iota(all.begin(), all.end(), 0);
        fillPickList(all);
        selectEntry(0);
        if (!m_entryRows.isEmpty())
            m_template->setText(m_texts[m_entryRows.first()]);
    }
    updateDefaultButton();
}

void SearchDialog::templateEdited(const QString &text)
{
    if (!m_listMode->isChecked())
        return;
    if (m_substringMode->isChecked()) {
        fillPickList(tickets::entriesContaining(m_texts, text));
        selectEntry(0);
        return;
    }
    QStringList shown = m_pickModel->stringList();
    selectEntry(tickets::entryFollowing(shown, text));
}

void SearchDialog::takeOver()
{
    if (m_listMode->isChecked()) {
        accept();
        return;
    }
    const int row = tickets::findRow(m_texts, m_template->text());
    if (row < 0) {
        QApplication::beep();
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                        QStringLiteral("Record not found"), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("notFound"));
        box.exec();
        return;
    }
    Q_EMIT rowChosen(row);
    accept();
}

void SearchDialog::updateDefaultButton()
{
    bool isDefault = true;
    if (m_listMode->isChecked() && !m_substringMode->isChecked()) {
        const int entry = selectedEntry();
        isDefault = entry >= 0 && m_template->text() == m_texts[m_entryRows[entry]];
    }
    m_ok->setDefault(isDefault);
    m_ok->setAutoDefault(isDefault);
}

void SearchDialog::resizeForMode()
{
    const int strips = m_topStrip->sizeHint().height() + m_bottomStrip->sizeHint().height();
    const int lines =
        m_listMode->isChecked() ? pickListLines * m_pickList->fontMetrics().height() + 45 : 35;
    setFixedSize(435, strips + lines);
}

bool SearchDialog::filterTypedKey(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    if (m_listMode->isChecked() && m_entryRows.isEmpty() && !m_substringMode->isChecked())
        return false;
    if (text.at(0) == u'°')
        return true;
    const int field = chosenField();
    if (field >= 0 && !tickets::acceptsCharacter(m_rows.columns()[field].kind, text.at(0))) {
        QApplication::beep();
        return true;
    }
    return false;
}

bool SearchDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_template) {
        if (isListKey(key->key()) && m_listMode->isChecked()) {
            keyPressEvent(key);
            return true;
        }
        return filterTypedKey(key);
    }
    if (watched == m_pickList && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::keyPressEvent(QKeyEvent *event)
{
    if (isListKey(event->key()) && m_listMode->isChecked() && !m_fields->hasFocus()) {
        const int page = pickListLines;
        int entry = std::max(selectedEntry(), 0);
        switch (event->key()) {
        case Qt::Key_Up: entry -= 1; break;
        case Qt::Key_Down: entry += 1; break;
        case Qt::Key_PageUp: entry -= page; break;
        default: entry += page; break;
        }
        selectEntry(std::clamp(entry, 0, int(m_entryRows.size()) - 1));
        if (!m_substringMode->isChecked() && selectedEntry() >= 0) {
            m_template->setText(m_texts[m_entryRows[selectedEntry()]]);
            m_template->selectAll();
        }
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        takeOver();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace ui
