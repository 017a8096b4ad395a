// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/options/optionspages.h"

#include "session/options.h"
#include "toolkit/programfont.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace tallyfox {

namespace {

struct Spot
{
    int x;
    int y;
};

void putOnPage(QWidget* control, QWidget* page, int x, int y, int width, int height)
{
    control->setParent(page);
    control->setGeometry(x, y, width, height);
}

void moveOnPage(QWidget* control, Spot spot)
{
    control->move(spot.x, spot.y);
}

// Check boxes do not wrap their captions: the lines are broken here, between words, to the width the
// caption has beside the box. Explicit line breaks stay.
QString wrappedCaption(const QCheckBox* box, const QString& text, int width)
{
    const int room = width - box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                     box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) - 2;
    const QFontMetrics metrics(box->font());
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
                lines.append(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

QCheckBox* wrappedBox(const QString& text, const char* name, QWidget* page, int x, int y, int width,
                      int height)
{
    auto* box = new QCheckBox;
    box->setObjectName(QString::fromLatin1(name));
    putOnPage(box, page, x, y, width, height);
    box->setText(wrappedCaption(box, text, width));
    return box;
}

// The list buttons and the column buttons change places with the orientation.
constexpr std::array<Spot, 4> kListPortrait = {{{2, 162}, {118, 162}, {2, 199}, {118, 199}}};
constexpr std::array<Spot, 4> kListLandscape = {{{190, 42}, {190, 72}, {190, 102}, {190, 132}}};
// Below the list buttons; beside the receipt number's row when they move to the right.
constexpr Spot kMonthLinePortrait = {5, 233};
constexpr Spot kMonthLineLandscape = {5, 160};

} // namespace

GeneralPage::GeneralPage(QWidget* parent)
    : QWidget(parent), m_location(new QLabel), m_changeLocation(new QPushButton(tr("Change location"))),
      m_receipt(new QLineEdit), m_enableLogging(new QCheckBox(tr("Enable logging"))),
      m_incomeIsPositive(new QCheckBox(tr("Show income as positive"))),
      m_showMonthLine(new QCheckBox(tr("Show this month's totals")))
{
    setObjectName(QStringLiteral("generalPage"));
    auto* locationCaption = new QLabel(tr("Setting files location:"));
    putOnPage(locationCaption, this, 0, 0, 128, 18);
    m_location->setObjectName(QStringLiteral("locationLabel"));
    // The label is one 14-pixel line high: a face of that line height keeps the path's underscores.
    m_location->setFont(programfont::forLineHeight(14));
    putOnPage(m_location, this, 2, 22, 230, 14);
    m_changeLocation->setObjectName(QStringLiteral("changeLocationButton"));
    putOnPage(m_changeLocation, this, 2, 42, 117, 32);
    putOnPage(new QLabel(tr("Next receipt nr:")), this, 2, 83, 88, 16);
    m_receipt->setObjectName(QStringLiteral("receiptEdit"));
    putOnPage(m_receipt, this, 97, 82, 48, 19);
    m_receipt->setAccessibleName(tr("Next receipt nr"));
    m_receipt->setInputMethodHints(Qt::ImhDigitsOnly);
    m_enableLogging->setObjectName(QStringLiteral("enableLoggingBox"));
    putOnPage(m_enableLogging, this, 5, 106, 132, 19);
    m_incomeIsPositive->setObjectName(QStringLiteral("incomeIsPositiveBox"));
    putOnPage(m_incomeIsPositive, this, 5, 133, 185, 19);

    static const std::array<const char*, 4> captions = {QT_TR_NOOP("Currencies"), QT_TR_NOOP("Expense types"),
                                                        QT_TR_NOOP("Payment methods"),
                                                        QT_TR_NOOP("Intended sources")};
    static const std::array<const char*, 4> names = {"currenciesButton", "expenseTypesButton",
                                                     "paymentMethodsButton", "intendedSourcesButton"};
    for (size_t i = 0; i < m_lists.size(); ++i) {
        m_lists[i] = new QPushButton(tr(captions[i]));
        m_lists[i]->setObjectName(QString::fromLatin1(names[i]));
        putOnPage(m_lists[i], this, kListPortrait[i].x, kListPortrait[i].y, 114, 27);
        connect(m_lists[i], &QPushButton::clicked, this, [this, i] { Q_EMIT listClicked(List(i)); });
    }
    m_showMonthLine->setObjectName(QStringLiteral("showMonthLineBox"));
    putOnPage(m_showMonthLine, this, kMonthLinePortrait.x, kMonthLinePortrait.y, 185, 19);
    connect(m_changeLocation, &QPushButton::clicked, this, &GeneralPage::changeLocationClicked);

    setTabOrder(m_changeLocation, m_receipt);
    setTabOrder(m_receipt, m_enableLogging);
    setTabOrder(m_enableLogging, m_incomeIsPositive);
    setTabOrder(m_incomeIsPositive, m_lists[0]);
    for (size_t i = 1; i < m_lists.size(); ++i)
        setTabOrder(m_lists[i - 1], m_lists[i]);
    setTabOrder(m_lists.back(), m_showMonthLine);
}

void GeneralPage::load(const OptionsEdit& edit)
{
    showLocation(edit.location);
    m_receipt->setText(QString::number(edit.nextReceiptNumber));
    m_enableLogging->setChecked(edit.enableLogging);
    m_incomeIsPositive->setChecked(edit.incomeIsPositive);
    m_showMonthLine->setChecked(edit.showMonthLine);
}

void GeneralPage::store(OptionsEdit& edit) const
{
    edit.nextReceiptNumber = receiptNumberFromText(m_receipt->text());
    edit.enableLogging = m_enableLogging->isChecked();
    edit.incomeIsPositive = m_incomeIsPositive->isChecked();
    edit.showMonthLine = m_showMonthLine->isChecked();
}

void GeneralPage::showLocation(const QString& location)
{
    // A long path shows its end, the folder's own name, and whole as a tip.
    m_location->setText(
        QFontMetrics(m_location->font()).elidedText(location, Qt::ElideLeft, m_location->width()));
    m_location->setToolTip(location);
}

void GeneralPage::arrange(bool landscape)
{
    for (size_t i = 0; i < m_lists.size(); ++i)
        moveOnPage(m_lists[i], landscape ? kListLandscape[i] : kListPortrait[i]);
    moveOnPage(m_showMonthLine, landscape ? kMonthLineLandscape : kMonthLinePortrait);
}

FingerPage::FingerPage(QWidget* parent)
    : QWidget(parent), m_quickGroup(new QGroupBox(tr("Quick entry items")))
{
    setObjectName(QStringLiteral("fingerPage"));
    m_fingerFriendly = wrappedBox(tr("Finger friendly entry\n(max amount=999999.99)"), "fingerFriendlyBox",
                                  this, 4, 0, 175, 30);
    m_startWithQuick =
        wrappedBox(tr("Start new item with quick edit"), "startWithQuickBox", this, 4, 30, 120, 30);
    m_quickGroup->setObjectName(QStringLiteral("quickEntryGroup"));
    putOnPage(m_quickGroup, this, 2, 62, 230, 104);
    m_increase9Is0 = wrappedBox(tr("Increasing 9 gives 0, not 10"), "increase9Is0Box", this, 4, 170, 128, 30);
    m_skipOverview =
        wrappedBox(tr("Skip overview after quick entry"), "skipOverviewBox", this, 4, 205, 125, 30);

    // By settings flag, that is by step 0, 1, 2, 3, 4, 5 and 7.
    struct Step
    {
        const char* caption;
        const char* name;
        Spot spot;
    };
    static const std::array<Step, 7> steps = {{
        {QT_TR_NOOP("Type"), "quickTypeBox", {8, 16}},
        {QT_TR_NOOP("Date"), "quickDateBox", {8, 36}},
        {QT_TR_NOOP("Currency"), "quickCurrencyBox", {8, 56}},
        {QT_TR_NOOP("Amount"), "quickAmountBox", {8, 76}},
        {QT_TR_NOOP("Paid with"), "quickPaidWithBox", {115, 36}},
        {QT_TR_NOOP("Int. source"), "quickSourceBox", {115, 16}},
        {QT_TR_NOOP("Note"), "quickNoteBox", {115, 56}},
    }};
    for (size_t i = 0; i < steps.size(); ++i) {
        m_quickSteps[i] = new QCheckBox(tr(steps[i].caption));
        m_quickSteps[i]->setObjectName(QString::fromLatin1(steps[i].name));
        putOnPage(m_quickSteps[i], m_quickGroup, steps[i].spot.x, steps[i].spot.y, 100, 20);
    }

    // Reading order: row by row through the group.
    setTabOrder(m_fingerFriendly, m_startWithQuick);
    QWidget* previous = m_startWithQuick;
    for (size_t i : {0, 5, 1, 4, 2, 6, 3}) {
        setTabOrder(previous, m_quickSteps[i]);
        previous = m_quickSteps[i];
    }
    setTabOrder(previous, m_increase9Is0);
    setTabOrder(m_increase9Is0, m_skipOverview);
}

void FingerPage::load(const OptionsEdit& edit)
{
    m_fingerFriendly->setChecked(edit.fingerFriendly);
    m_startWithQuick->setChecked(edit.startWithQuick);
    m_increase9Is0->setChecked(edit.increase9Is0);
    m_skipOverview->setChecked(edit.skipOverview);
    for (size_t i = 0; i < m_quickSteps.size(); ++i)
        m_quickSteps[i]->setChecked(edit.quickEnable[i]);
}

void FingerPage::store(OptionsEdit& edit) const
{
    edit.fingerFriendly = m_fingerFriendly->isChecked();
    edit.startWithQuick = m_startWithQuick->isChecked();
    edit.increase9Is0 = m_increase9Is0->isChecked();
    edit.skipOverview = m_skipOverview->isChecked();
    for (size_t i = 0; i < m_quickSteps.size(); ++i)
        edit.quickEnable[i] = m_quickSteps[i]->isChecked();
}

void FingerPage::arrange(bool landscape)
{
    moveOnPage(m_increase9Is0, landscape ? Spot{182, 0} : Spot{4, 170});
    moveOnPage(m_skipOverview, landscape ? Spot{182, 30} : Spot{4, 205});
}

} // namespace tallyfox
