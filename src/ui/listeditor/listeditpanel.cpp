// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/listeditor/listeditpanel.h"

#include "toolkit/programfont.h"
#include "ui/listeditor/editedlist.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tallyfox {

namespace {

constexpr int kRateRowTop = ListEditPanel::kHeightWithRate - 27;
constexpr int kHintPixelSize = 10;

} // namespace

ListEditPanel::ListEditPanel(QWidget* parent)
    : QWidget(parent), m_name(new QLineEdit(this)), m_ok(new QPushButton(tr("OK"), this)),
      m_cancel(new QPushButton(tr("cancel"), this)), m_rateRow(new QWidget(this)),
      m_rateBefore(new QLabel(m_rateRow)), m_rate(new QLineEdit(m_rateRow)),
      m_rateAfter(new QLabel(m_rateRow)), m_hint(new QLabel(this))
{
    setObjectName(QStringLiteral("listEditPanel"));
    m_name->setObjectName(QStringLiteral("listNameBox"));
    m_ok->setObjectName(QStringLiteral("listPanelOk"));
    m_cancel->setObjectName(QStringLiteral("listPanelCancel"));
    m_rateRow->setObjectName(QStringLiteral("listRateRow"));
    m_rateBefore->setObjectName(QStringLiteral("listRateBefore"));
    m_rate->setObjectName(QStringLiteral("listRateBox"));
    m_rateAfter->setObjectName(QStringLiteral("listRateAfter"));
    m_hint->setObjectName(QStringLiteral("listRateHint"));
    m_name->setAccessibleName(tr("Name"));
    m_rate->setAccessibleName(tr("Exchange rate"));
    m_rate->setInputMethodHints(Qt::ImhFormattedNumbersOnly);

    // The panel stands out from the list below it.
    setAutoFillBackground(true);
    const QFont boxFont = programfont::forLineHeight(18);
    m_name->setFont(boxFont);
    // What a disabled "OK" waits for.
    m_name->setPlaceholderText(tr("Type a name"));
    m_rate->setFont(boxFont);
    m_rate->setAlignment(Qt::AlignCenter);
    m_rateBefore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_rateAfter->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_hint->setFont(programfont::font(kHintPixelSize));
    m_hint->setAlignment(Qt::AlignCenter);
    QPalette hintColours = m_hint->palette();
    hintColours.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    m_hint->setPalette(hintColours);
    m_hint->hide();

    m_name->setGeometry(3, 5, 112, 23);
    m_ok->setGeometry(123, 5, 50, 25);
    m_cancel->setGeometry(179, 5, 50, 25);
    m_rateBefore->setGeometry(6, 3, 72, 20);
    m_rate->setGeometry(83, 0, 64, 23);
    m_rateAfter->setGeometry(153, 3, 72, 20);
    // In the gap between the two rows, centred over the rate box.
    m_hint->setGeometry(15, kRateRowTop - kHintPixelSize - 4, 200, kHintPixelSize + 4);

    const QList<QWidget*> order = readingOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_name, &QLineEdit::textChanged, this, &ListEditPanel::followTyping);
    connect(m_rate, &QLineEdit::textChanged, this, &ListEditPanel::followTyping);
    connect(m_ok, &QPushButton::clicked, this, &ListEditPanel::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ListEditPanel::cancel);
}

void ListEditPanel::start(const QString& name, bool withRate, const QString& rate, const QString& primaryName,
                          bool isNew)
{
    m_withRate = withRate;
    m_primaryName = primaryName;
    m_rateRow->setVisible(withRate);
    resize(width(), panelHeight());
    {
        // The texts arrive as they are stored; only what the user types is judged as typing.
        const QSignalBlocker blockName(m_name);
        const QSignalBlocker blockRate(m_rate);
        m_name->setText(name);
        m_rate->setText(withRate ? rate : QString());
    }
    m_ok->setEnabled(!isNew);
    refreshLabels();
    m_name->setFocus();
    m_name->setCursorPosition(int(name.size()));
}

QList<QWidget*> ListEditPanel::readingOrder() const
{
    return {m_name, m_ok, m_cancel, m_rate};
}

QString ListEditPanel::name() const
{
    return m_name->text();
}

QString ListEditPanel::rate() const
{
    return m_rate->text();
}

void ListEditPanel::accept()
{
    if (m_ok->isEnabled())
        Q_EMIT accepted();
}

void ListEditPanel::cancel()
{
    Q_EMIT cancelled();
}

void ListEditPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        break;
    case Qt::Key_Escape:
        cancel();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ListEditPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_rateRow->setGeometry(0, kRateRowTop, width(), 27);
}

void ListEditPanel::followTyping()
{
    bool ok = !m_name->text().isEmpty();
    if (m_withRate)
        ok = ok && rateProblem(m_rate->text()) == RateProblem::None;
    m_ok->setEnabled(ok);
    refreshLabels();
}

void ListEditPanel::refreshLabels()
{
    m_rateBefore->setText(QStringLiteral("1 ") + m_primaryName + QStringLiteral(" ="));
    m_rateAfter->setText(m_name->text());
    const QString hint = m_withRate ? rateProblemText(rateProblem(m_rate->text())) : QString();
    m_hint->setText(hint);
    m_hint->setVisible(!hint.isEmpty());
    m_rate->setToolTip(hint);
}

} // namespace tallyfox
