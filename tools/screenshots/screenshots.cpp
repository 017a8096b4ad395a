// Renders the windows offscreen into PNG files for the README and for review: the main window on the
// sample database (portrait and landscape), the about box, the quick entry's panels (the date panel in
// both orientations), the item editor (portrait and landscape, with the painted amount box and with the
// plain field), the purge form and the options' three pages (both orientations), at the scale Qt is given in
// QT_SCALE_FACTOR. Run once per scale: tallyfox-screenshots SAMPLE.tfx OUT_FOLDER
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

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <array>
#include <cstdio>
#include <functional>

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

bool saveOptionsPages(tallyfox::OptionsForm& form, const QString& folder)
{
    static const std::array<const char*, 3> names = {"options-general", "options-finger", "options-columns"};
    form.prepare();
    form.show();
    bool ok = true;
    for (const bool landscape : {false, true}) {
        form.resize(landscape ? QSize(320, 240) : QSize(240, 320));
        for (int page = 0; page < form.tabs()->count(); ++page) {
            form.tabs()->setCurrentIndex(page);
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
    bool ok = saveModal(form, folder, QStringLiteral("quick-amount"), [&] { (void)form.editAmount(fields); });
    ok = saveModal(form, folder, QStringLiteral("quick-date"), [&] { (void)form.editDate(fields.date); }) &&
         ok;
    form.resize(320, 240);
    ok = saveModal(form, folder, QStringLiteral("quick-date-landscape"),
                   [&] { (void)form.editDate(fields.date); }) &&
         ok;
    form.resize(240, 320);
    // The wizard's own panels: the type list with "Custom", and the note.
    const auto enabled = settings.quickEnable;
    settings.quickEnable = {true, false, false, false, false, false, false};
    ok = saveModal(form, folder, QStringLiteral("quick-list"), [&] { form.startQuickEntry(fields); }) && ok;
    settings.quickEnable = {false, false, false, false, false, false, true};
    ok = saveModal(form, folder, QStringLiteral("quick-note"), [&] { form.startQuickEntry(fields); }) && ok;
    settings.quickEnable = enabled;
    return ok;
}

// The item editor on the first entry, in finger mode or with the plain amount field, grabbed while it is
// up and then cancelled.
bool saveEditor(tallyfox::Forms& forms, tallyfox::AppState& state, const QString& folder, bool fingerMode)
{
    state.settings.fingerFriendly = fingerMode;
    tallyfox::ItemForm& editor = forms.item();
    const QString name = fingerMode ? QStringLiteral("item") : QStringLiteral("item-plain");
    bool ok = false;
    QTimer::singleShot(0, &editor, [&] {
        ok = save(editor, folder, name);
        editor.resize(320, 240);
        ok = save(editor, folder, name + QStringLiteral("-landscape")) && ok;
        editor.resize(240, 320);
        editor.closeWith(tallyfox::FormBase::kResultCancel);
    });
    editor.editEntryFlow(0);
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
    if (argc != 3) {
        std::fprintf(stderr, "usage: tallyfox-screenshots SAMPLE.tfx OUT_FOLDER\n");
        return 2;
    }
    tallyfox::ProgramStyle::install();
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
    ok = saveOptionsPages(forms.options(), out) && ok;
    return ok ? 0 : 1;
}
