// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/itemeditor/itemform.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "money/currencytable.h"
#include "session/session.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"
#include "ui/amountbox/digitamountwidget.h"
#include "ui/itemeditor/itemformcontrols.h"
#include "ui/itemeditor/taplabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <initializer_list>
#include <utility>

namespace tallyfox {

namespace {

// Larger amounts do not fit the digit-column box, whose largest value is 999999.99.
constexpr double kFingerAmountLimit = 1000000.0;

} // namespace

ItemForm::ItemForm(Session& session, QuickEntryForm& quickEntry, QWidget* parent)
    : FormBase(tr("New item"), parent), m_session(session), m_quickEntry(quickEntry),
      m_controls(std::make_unique<ItemFormControls>(*this)), m_closeTimer(this)
{
    setObjectName(QStringLiteral("itemForm"));
    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Cancel"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("Quick entry"));
    m_controls->setLocale(m_session.state().locale.locale());
    m_controls->arrange(false);
    m_controls->amountBox->installEventFilter(this);
    m_closeTimer.setObjectName(QStringLiteral("closeTimer"));
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(100);
    connectControls();
}

ItemForm::~ItemForm() = default;

void ItemForm::connectControls()
{
    ItemFormControls& c = *m_controls;
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Right)
            rightKeyPressed();
        else
            closeWith(kResultCancel);
    });
    connect(&m_closeTimer, &QTimer::timeout, this, [this] {
        if (m_closePending)
            closeWith(kResultOk);
    });
    connect(c.amountField, &QLineEdit::textChanged, this, [this] {
        if (readTypedAmount(m_controls->amountField->text()).value > 0)
            m_quickKey = false;
        // The conversion follows what is typed: it is what will be stored.
        if (!m_fingerMode)
            refreshAmountDisplay();
        showAmountProblem();
        updateRightKey();
    });
    connect(c.type, &QComboBox::editTextChanged, this, [this] {
        if (readTypedAmount(m_controls->amountField->text()).value > 0)
            m_quickKey = false;
        updateRightKey();
    });
    connect(c.currency, &QComboBox::editTextChanged, this, &ItemForm::refreshAmountDisplay);
    connect(c.amountBox, &DigitAmountWidget::valueChanged, this, [this] {
        // Hidden, the box only holds the amount for the quick entry; nothing the user did changed it.
        if (!m_fingerMode)
            return;
        const DigitAmount& value = m_controls->amountBox->value();
        m_amount = value.amount;
        Settings& settings = m_session.state().settings;
        settings.showDecimals = value.decimalsShown;
        settings.wholeDigitColumns = value.columns;
        refreshAmountDisplay();
    });
    connect(c.date, &QDateEdit::userDateChanged, this, [this](QDate day) { m_date.setDate(day); });
    connect(c.receipt, &TapLabel::tapped, this, &ItemForm::editAmount);
    connect(c.pick, &QPushButton::clicked, this, &ItemForm::editDate);
    connect(c.typeList, &QPushButton::clicked, this, [this] { pickFromList(PickTarget::Type); });
    connect(c.currencyList, &QPushButton::clicked, this, [this] { pickFromList(PickTarget::Currency); });
    connect(c.sourceList, &QPushButton::clicked, this, [this] { pickFromList(PickTarget::IntendedSource); });
    connect(c.paidWithList, &QPushButton::clicked, this, [this] { pickFromList(PickTarget::PaidWith); });
}

void ItemForm::newEntryFlow()
{
    const Settings& settings = m_session.state().settings;
    ItemFormControls& c = *m_controls;
    m_editing = false;
    m_entryIndex = -1;
    loadPickLists();
    m_fingerMode = settings.fingerFriendly;
    m_date = m_session.clock().now();
    c.date->setDate(m_date.date());
    c.amountField->setText(QStringLiteral("0.00"));
    m_amount = 0.0;
    setAmountBoxValue(0.0);
    m_hasReceipt = settings.lastHasReceipt;
    m_proposedReceipt = QString::number(m_session.proposedReceiptNumber());
    m_receipt = m_proposedReceipt;
    m_quickKey = true;
    m_typeRequired = false;
    ItemFormControls::setBoxText(c.currency, settings.lastUsedCurrency);
    ItemFormControls::setBoxText(c.paidWith, settings.lastPaidWith);
    ItemFormControls::setBoxText(c.source, settings.lastIntendedSource);
    c.note->clear();
    c.income->setChecked(settings.lastIncome);
    applyFingerMode();
    refreshReceiptText();
    runModal();
}

void ItemForm::editEntryFlow(int index)
{
    if (index < 0 || index >= m_session.state().entryCount())
        return;
    ItemFormControls& c = *m_controls;
    m_editing = true;
    m_entryIndex = index;
    loadPickLists();
    const Expense entry = m_session.state().entries[index];
    m_fingerMode = m_session.state().settings.fingerFriendly && entry.amount < kFingerAmountLimit;
    m_quickKey = false;
    m_typeRequired = false;
    m_date = QDateTime(qdateFromDayCount(entry.date), QTime(0, 0));
    c.date->setDate(m_date.date());
    c.amountField->setText(amountText(entry.amount));
    m_amount = entry.amount;
    setAmountBoxValue(entry.amount);
    m_hasReceipt = entry.hasReceipt;
    m_receipt = entry.receipt;
    m_proposedReceipt = QString::number(m_session.proposedReceiptNumber());
    refreshReceiptText();
    ItemFormControls::setBoxText(c.type, entry.type);
    ItemFormControls::setBoxText(c.currency, entry.currency);
    ItemFormControls::setBoxText(c.paidWith, entry.paidWith);
    ItemFormControls::setBoxText(c.source, entry.intendedSource);
    c.note->setText(entry.note);
    c.income->setChecked(entry.income);
    applyFingerMode();
    updateRightKey();
    runModal();
    m_editing = false;
}

void ItemForm::runModal()
{
    const int result = showModal();
    hideSoftInputPanel();
    if (result == kResultOk)
        storeEntry();
    else
        m_session.refreshList(false);
}

void ItemForm::loadPickLists()
{
    PickLists loaded{{}, {}, {}, {}, {}};
    tallyfox::loadPickLists(m_session, loaded);
    // The values from the entries are found against the lists as they will show.
    PickLists shown = m_lists;
    for (auto [list, section] : {std::pair{&shown.currencies, &loaded.currencies},
                                 std::pair{&shown.expenseTypes, &loaded.expenseTypes},
                                 std::pair{&shown.intendedSources, &loaded.intendedSources},
                                 std::pair{&shown.paymentMethods, &loaded.paymentMethods}}) {
        if (!section->isEmpty())
            *list = *section;
    }
    addEntryValues(m_session.state().entries, shown);
    m_lists.fromEntries = shown.fromEntries;
    const EntryPicks& picks = m_lists.fromEntries;
    ItemFormControls& c = *m_controls;
    ItemFormControls::replaceItems(c.currency, m_lists.currencies, loaded.currencies, picks.currencies);
    ItemFormControls::replaceItems(c.type, m_lists.expenseTypes, loaded.expenseTypes, picks.expenseTypes);
    ItemFormControls::replaceItems(c.source, m_lists.intendedSources, loaded.intendedSources,
                                   picks.intendedSources);
    ItemFormControls::replaceItems(c.paidWith, m_lists.paymentMethods, loaded.paymentMethods,
                                   picks.paymentMethods);
}

void ItemForm::applyFingerMode()
{
    ItemFormControls& c = *m_controls;
    c.amountBox->setVisible(m_fingerMode);
    for (QWidget* button : c.pickerButtons())
        button->setVisible(m_fingerMode);
    c.amountField->setVisible(!m_fingerMode);
    showAmountProblem();
    focusAmount();
    // The painted box needs no keyboard; the plain field does.
    if (m_fingerMode)
        hideSoftInputPanel();
    else
        showSoftInputPanel();
}

void ItemForm::focusAmount()
{
    if (m_fingerMode) {
        m_controls->amountBox->setFocus();
    } else {
        // Typing replaces the proposed amount.
        m_controls->amountField->setFocus();
        m_controls->amountField->selectAll();
    }
}

void ItemForm::showEvent(QShowEvent* event)
{
    FormBase::showEvent(event);
    if (event->spontaneous())
        return;
    m_closePending = false;
    hideSoftInputPanel();
    m_session.state().landscape = isLandscape();
    m_controls->arrange(isLandscape());
    focusAmount();
    const AppState& state = m_session.state();
    if (!m_editing && (state.settings.startWithQuick || state.quickEntryOnStart))
        QMetaObject::invokeMethod(this, &ItemForm::quickEntryOnOpen, Qt::QueuedConnection);
}

void ItemForm::keyPressEvent(QKeyEvent* event)
{
    // The buttons are no dialog defaults, which would look as if Enter pressed them wherever the focus
    // is; Enter presses one only when it has the focus.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && button && button->isVisible() && m_controls->pickerButtons().contains(button)) {
        button->click();
        event->accept();
        return;
    }
    FormBase::keyPressEvent(event);
}

void ItemForm::orientationChanged(bool landscape)
{
    m_controls->arrange(landscape);
}

void ItemForm::done(int result)
{
    m_closePending = false;
    m_closeTimer.stop();
    hideSoftInputPanel();
    FormBase::done(result);
}

void ItemForm::refreshReceiptText()
{
    m_controls->receipt->setText(m_hasReceipt ? tr("Receipt nr:\n%1").arg(m_receipt) : tr("No receipt"));
    refreshAmountDisplay();
}

void ItemForm::refreshAmountDisplay()
{
    m_controls->amountBox->update();
    followAmount();
}

bool ItemForm::eventFilter(QObject* watched, QEvent* event)
{
    // Whatever changed the painted box's amount, its next paint brings the rest of the form along.
    if (watched == m_controls->amountBox && event->type() == QEvent::Paint)
        followAmount();
    return FormBase::eventFilter(watched, event);
}

void ItemForm::followAmount()
{
    const double amount = currentAmount();
    if (amount > 0)
        m_quickKey = false;
    // The label converts what would be stored; no amount, the primary currency or one the table does not
    // know have nothing to convert.
    const CurrencyArray& currencies = m_session.state().currencies;
    const QString currency = m_controls->currency->currentText();
    if (amount > 0 && findCurrency(currencies, currency) >= 1)
        m_controls->conversion->setText(QStringLiteral("= ") + currencies[0].name + u' ' +
                                        primaryAmountText(currencies, amount, currency, false, false));
    else
        m_controls->conversion->clear();
    updateRightKey();
}

void ItemForm::updateRightKey()
{
    SoftKeyBar& keys = *softKeys();
    keys.setCaption(SoftKeyBar::Key::Right, m_quickKey ? tr("Quick entry") : tr("OK"));
    // Once there is an amount (or the quick entry has ended) an entry needs its type; and "OK" takes only
    // an amount that reads as one ("Quick entry" sets the amount anew).
    const bool typeNeeded = m_typeRequired || currentAmount() > 0;
    const bool amountTaken = m_quickKey || typedAmount().problem == TypedAmountProblem::None;
    const bool typeMissing = typeNeeded && m_controls->type->currentText().isEmpty();
    keys.setKeyEnabled(SoftKeyBar::Key::Right, amountTaken && !typeMissing);
    // A disabled key says why: the amount's reason is beside its field, the type's above the key.
    m_controls->okReason->setVisible(typeMissing);
}

void ItemForm::rightKeyPressed()
{
    hideSoftInputPanel();
    if (m_quickKey)
        runQuickEntry();
    else
        closeWith(kResultOk);
}

void ItemForm::storeEntry()
{
    const ItemFormControls& c = *m_controls;
    EntryDraft draft;
    draft.type = c.type->currentText();
    draft.currency = c.currency->currentText();
    draft.intendedSource = c.source->currentText();
    draft.paidWith = c.paidWith->currentText();
    draft.note = c.note->text();
    draft.date = m_date.date();
    draft.amount = currentAmount();
    draft.income = c.income->isChecked();
    draft.hasReceipt = m_hasReceipt;
    draft.receipt = m_receipt;
    draft.receiptProposed = m_receipt == m_proposedReceipt;
    const std::optional<int> index = m_editing ? std::optional<int>(m_entryIndex) : std::nullopt;
    m_editing = false;
    m_session.storeEntry(draft, index);
}

double ItemForm::currentAmount() const
{
    return typedAmount().value;
}

TypedAmount ItemForm::typedAmount() const
{
    if (m_fingerMode)
        return {m_controls->amountBox->value().amount, TypedAmountProblem::None};
    return readTypedAmount(m_controls->amountField->text());
}

void ItemForm::showAmountProblem()
{
    QString reason;
    switch (typedAmount().problem) {
    case TypedAmountProblem::Empty:
        reason = tr("Type an amount");
        break;
    case TypedAmountProblem::NotANumber:
        reason = tr("Amount must be a number");
        break;
    case TypedAmountProblem::Negative:
        reason = tr("Amount must not be negative");
        break;
    case TypedAmountProblem::None:
        break;
    }
    m_controls->amountHint->setText(reason);
    m_controls->amountHint->setVisible(!reason.isEmpty());
}

void ItemForm::setAmountBoxValue(double amount)
{
    const Settings& settings = m_session.state().settings;
    m_controls->amountBox->setIncrease9Is0(settings.increase9Is0);
    m_controls->amountBox->setValue({amount, settings.showDecimals, settings.wholeDigitColumns});
}

} // namespace tallyfox
