// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Renders every form offscreen into PNG files for the README and for review, on the sample database at
// the scale Qt is given in QT_SCALE_FACTOR: the main window, the about box, the quick entry's panels, the
// item editor, the purge form, the list editor, the options' pages, the overview and the import form, each
// in portrait
// and, where the form has one, in its landscape layout. Run once per scale:
// tallyfox-screenshots SAMPLE.tfx OUT_FOLDER
#include "app/translations.h"
#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/programfolders.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/programstyle.h"
#include "toolkit/screenfit.h"
#include "toolkit/scriptedprompts.h"
#include "ui/forms.h"
#include "ui/overview/chartpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

bool save(QWidget& window, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    const QString scale = QString::number(tallyfox::screenfit::scaleInEffect());
    const QString path = QStringLiteral("%1/%2-scale%3.png").arg(folder, name, scale);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Opens a modal form, takes its picture once it is on screen and cancels it.
bool saveModal(tallyfox::FormBase& form, const QString& folder, const QString& name,
               const std::function<void()>& open)
{
    bool ok = false;
    QTimer::singleShot(0, &form, [&] {
        ok = save(form, folder, name);
        form.closeWith(tallyfox::FormBase::kResultCancel);
    });
    open();
    return ok;
}

// A single-field picker of the quick entry pictured and cancelled; false too when it took a value instead,
// which would show in the pictures after it.
bool savePicker(tallyfox::QuickEntryForm& form, const QString& folder, const QString& name,
                const std::function<bool()>& pick)
{
    bool taken = false;
    const bool saved = saveModal(form, folder, name, [&] { taken = pick(); });
    if (taken)
        std::fprintf(stderr, "%s: the picker took a value instead of being cancelled\n", qPrintable(name));
    return saved && !taken;
}

bool saveOptionsPages(tallyfox::OptionsForm& form, const QString& folder)
{
    static const std::array<const char*, 3> names = {"options-general", "options-finger", "options-columns"};
    form.prepare();
    form.show();
    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("optionsTabs"));
    bool ok = true;
    for (const bool landscape : {false, true}) {
        form.resize(landscape ? QSize(320, 240) : QSize(240, 320));
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            const QString name = QString::fromLatin1(names[size_t(page)]);
            ok = save(form, folder, landscape ? name + QStringLiteral("-landscape") : name) && ok;
        }
    }
    form.resize(240, 320);
    form.hide();
    return ok;
}

bool saveQuickEntry(tallyfox::QuickEntryForm& form, tallyfox::Settings& settings, const QString& folder)
{
    tallyfox::EditorFields fields;
    fields.type = QStringLiteral("Dinner");
    fields.currency = QStringLiteral("US$");
    fields.paidWith = QStringLiteral("Cash");
    fields.intendedSource = QStringLiteral("Employer");
    fields.note = QStringLiteral("Taxi, lunch, parking");
    fields.date = QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45));
    fields.amountText = QStringLiteral("12.50");
    fields.hasReceipt = true;
    fields.receipt = QStringLiteral("0042");
    bool ok =
        savePicker(form, folder, QStringLiteral("quick-amount"), [&] { return form.editAmount(fields); });
    ok = savePicker(form, folder, QStringLiteral("quick-date"), [&] { return form.editDate(fields.date); }) &&
         ok;
    form.resize(320, 240);
    ok = savePicker(form, folder, QStringLiteral("quick-date-landscape"),
                    [&] { return form.editDate(fields.date); }) &&
         ok;
    form.resize(240, 320);
    // The wizard's own panels: the type list with "Custom", and the note.
    const auto enabled = settings.quickEnable;
    settings.quickEnable = {true, false, false, false, false, false, false};
    ok = saveModal(form, folder, QStringLiteral("quick-list"), [&] { form.startQuickEntry(fields); }) && ok;
    // A last used payment method that the list lacks shows at its top, chosen.
    settings.quickEnable = {false, false, false, false, true, false, false};
    fields.paidWith = QStringLiteral("Bank transfer");
    ok = saveModal(form, folder, QStringLiteral("quick-list-missing"),
                   [&] { form.startQuickEntry(fields); }) &&
         ok;
    settings.quickEnable = {false, false, false, false, false, false, true};
    ok = saveModal(form, folder, QStringLiteral("quick-note"), [&] { form.startQuickEntry(fields); }) && ok;
    settings.quickEnable = enabled;
    return ok;
}

// The item editor on the first entry, in finger mode or with the plain amount field, grabbed while it is
// up and then cancelled. The plain field is also shown refusing what it cannot take, with the reasons: an
// amount that is no number, and an entry without its type.
bool saveEditor(tallyfox::Forms& forms, tallyfox::AppState& state, const QString& folder, bool fingerMode)
{
    state.settings.fingerFriendly = fingerMode;
    tallyfox::ItemForm& editor = forms.item();
    const QString name = fingerMode ? QStringLiteral("item") : QStringLiteral("item-plain");
    bool ok = false;
    QTimer::singleShot(0, &editor, [&] {
        // The layout's own screen, as on the device, rather than the size a desktop gives the editor.
        editor.setMinimumSize(0, 0);
        editor.resize(240, 320);
        ok = save(editor, folder, name);
        editor.resize(320, 240);
        ok = save(editor, folder, name + QStringLiteral("-landscape")) && ok;
        editor.resize(240, 320);
        if (!fingerMode) {
            auto* amount = editor.findChild<QLineEdit*>(QStringLiteral("amountField"));
            editor.findChild<QComboBox*>(QStringLiteral("typeBox"))->setEditText(QString());
            for (const auto& [typed, picture] :
                 {std::pair{"12,5x", "item-plain-refused"}, std::pair{"12,5", "item-plain-notype"}}) {
                amount->setText(QString::fromLatin1(typed));
                const QString refused = QString::fromLatin1(picture);
                ok = save(editor, folder, refused) && ok;
                editor.resize(320, 240);
                ok = save(editor, folder, refused + QStringLiteral("-landscape")) && ok;
                editor.resize(240, 320);
            }
        }
        editor.closeWith(tallyfox::FormBase::kResultCancel);
    });
    editor.editEntryFlow(0);
    return ok;
}

// The list editor shown on its own, without its modal loop, so that it can be pictured in each state.
bool saveListEditor(tallyfox::ListEditorForm& form, const QString& folder)
{
    const QStringList currencies{QStringLiteral("EUR"), QStringLiteral("US$"), QStringLiteral("GBP"),
                                 QStringLiteral("CHF")};
    const QStringList rates{QStringLiteral("Primary"), QStringLiteral("1.44"), QStringLiteral("0.89"),
                            QStringLiteral("1,6")};
    const QStringList types{QStringLiteral("Dinner"), QStringLiteral("Groceries"), QStringLiteral("Rent"),
                            QStringLiteral("Taxi")};
    auto* list = form.findChild<QTreeWidget*>(QStringLiteral("listTree"));
    auto* rateBox = form.findChild<QLineEdit*>(QStringLiteral("listRateBox"));
    const auto shoot = [&](const QString& name, bool landscape) {
        form.resize(landscape ? 320 : 240, landscape ? 240 : 320);
        form.prepare(currencies, &rates);
        form.show();
        list->setCurrentItem(list->topLevelItem(1));
        bool ok = save(form, folder, name);
        form.editRow(1);
        ok = save(form, folder, name + QStringLiteral("-edit")) && ok;
        form.closeWith(tallyfox::FormBase::kResultCancel);
        return ok;
    };
    bool ok = shoot(QStringLiteral("list-currencies"), false);
    ok = shoot(QStringLiteral("list-currencies-landscape"), true) && ok;
    form.resize(240, 320);
    form.prepare(currencies, &rates);
    form.show();
    form.editRow(3);
    rateBox->setText(QStringLiteral("0"));
    ok = save(form, folder, QStringLiteral("list-currencies-hint")) && ok;
    form.closeWith(tallyfox::FormBase::kResultCancel);
    form.prepare(types, nullptr);
    form.show();
    list->setCurrentItem(list->topLevelItem(2));
    ok = save(form, folder, QStringLiteral("list-names")) && ok;
    form.closeWith(tallyfox::FormBase::kResultCancel);
    return ok;
}

// The overview on its report, on the expense types' month table and on its charts: the months' bars (in
// portrait and landscape), the expense types' ring of a year and of the month a tap on its bars chose, and
// the payment methods' ring in "Expenses only".
bool saveOverview(tallyfox::OverviewForm& form, const QString& folder)
{
    bool ok = false;
    QTimer::singleShot(0, &form, [&] {
        form.chooseView(tallyfox::OverviewView::Overview);
        ok = save(form, folder, QStringLiteral("overview-report"));
        form.chooseView(tallyfox::OverviewView::ExpenseTypes);
        ok = save(form, folder, QStringLiteral("overview-table")) && ok;
        form.chooseView(tallyfox::OverviewView::Charts);
        tallyfox::ChartPanel& charts = *form.charts();
        charts.chooseKind(tallyfox::ChartKind::Months);
        ok = save(form, folder, QStringLiteral("overview-chart-months")) && ok;
        form.resize(320, 240);
        ok = save(form, folder, QStringLiteral("overview-chart-months-landscape")) && ok;
        form.resize(240, 320);
        charts.chooseKind(tallyfox::ChartKind::ExpenseTypes);
        ok = save(form, folder, QStringLiteral("overview-chart-types")) && ok;
        charts.showMonth(charts.shownSpan().last() - 1);
        ok = save(form, folder, QStringLiteral("overview-chart-month")) && ok;
        form.findChild<QComboBox*>(QStringLiteral("modeChoice"))->setCurrentIndex(1);
        charts.chooseKind(tallyfox::ChartKind::PaymentMethods);
        ok = save(form, folder, QStringLiteral("overview-chart-methods")) && ok;
        form.findChild<QComboBox*>(QStringLiteral("modeChoice"))->setCurrentIndex(0);
        charts.choosePeriod(0);
        charts.chooseKind(tallyfox::ChartKind::Months);
        form.chooseView(tallyfox::OverviewView::Overview);
        form.closeWith(tallyfox::FormBase::kResultOk);
    });
    form.showOverview();
    return ok;
}

// The import form on a small statement whose dates read either way, on its preview and its columns.
bool saveImport(tallyfox::ImportForm& form, const QString& sandbox, const QString& folder)
{
    const QString statement = sandbox + QStringLiteral("/statement.csv");
    QFile file(statement);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("Date,Payee,Category,Amount,Memo\n"
               "1/3/2023,Corner Cafe,Coffee,-3.50,\"flat white, to go\"\n"
               "1/4/2023,ACME Corp,Salary,\"2,500.00\",January pay\n"
               "1/5/2023,Hardware Store,Home,(42.10),\"paint\nbrushes\"\n"
               "1/6/2023,Landlord,Rent,\"-1,200.00\",\n"
               "1/7/2023,Market,Groceries,,no amount here\n"
               "2/1/2023,Friend,Gift,25,\n");
    file.close();
    if (!form.open(statement))
        return false;
    form.show();
    bool ok = save(form, folder, QStringLiteral("import-preview"));
    if (auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("importTabs")))
        tabs->setCurrentIndex(1);
    ok = save(form, folder, QStringLiteral("import-columns")) && ok;
    form.hide();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    // Everything pinned, so that the pictures change only when the program does.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TALLYFOX_NOW", "2010-01-03T12:30:45");
    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 1;
    qputenv("TALLYFOX_REGISTRY", (sandbox.path() + QStringLiteral("/registry.reg")).toUtf8());
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tallyfox-screenshots SAMPLE.tfx OUT_FOLDER [LANGUAGE]\n");
        return 2;
    }
    tallyfox::ProgramStyle::install();
    // The windows in another language ("de"), as the program shows them to a user who speaks it.
    if (argc == 4)
        tallyfox::installTranslations(app, {QString::fromLocal8Bit(argv[3])},
                                      QString::fromUtf16(tallyfox::kProgramCatalogueFolder));
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    const QString database = sandbox.path() + QStringLiteral("/sample.tfx");
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), database)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QFile seed(tallyfox::registryFilePath());
    if (!seed.open(QIODevice::WriteOnly))
        return 1;
    seed.write(
        "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Version\"=dword:000003b9\r\n\"DataLocation\"=\"" +
        sandbox.path().toUtf8() + "/\"\r\n");
    seed.close();

    tallyfox::Registry registry(tallyfox::registryFilePath());
    tallyfox::AppState state(QLocale(QLocale::English, QLocale::UnitedStates));
    tallyfox::Session session(state, tallyfox::Clock::fromEnvironment(), registry);
    tallyfox::ScriptedPrompts prompts;
    tallyfox::Forms forms(session, prompts);
    tallyfox::MainForm& mainForm = forms.main();
    tallyfox::StartupOptions startup;
    startup.arguments = tallyfox::parseProgramArguments({QStringLiteral("-f"), database});
    startup.programFolder = tallyfox::programFolder();
    mainForm.show();
    mainForm.initialise(startup);

    bool ok = save(mainForm, out, QStringLiteral("main"));
    mainForm.resize(320, 240);
    ok = save(mainForm, out, QStringLiteral("main-landscape")) && ok;
    mainForm.resize(240, 320);
    forms.about().show();
    ok = save(forms.about(), out, QStringLiteral("about")) && ok;
    forms.about().hide();
    ok = saveQuickEntry(forms.quickEntry(), state.settings, out) && ok;
    ok = saveEditor(forms, state, out, true) && ok;
    ok = saveEditor(forms, state, out, false) && ok;
    forms.purge().prepare();
    forms.purge().show();
    ok = save(forms.purge(), out, QStringLiteral("purge")) && ok;
    forms.purge().hide();
    ok = saveListEditor(forms.listEditor(), out) && ok;
    ok = saveOverview(forms.overview(), out) && ok;
    ok = saveOptionsPages(forms.options(), out) && ok;
    ok = saveImport(forms.importer(), sandbox.path(), out) && ok;
    return ok ? 0 : 1;
}
