#include "toolkit/qtprompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tallyfox {

namespace {

const QString kCaption = QStringLiteral("Tallyfox");

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.title, options.initialFolder, qtFileFilter(options.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QString suffix = options.defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (mode == QFileDialog::AcceptSave && !options.askBeforeOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& fileName, const QString& defaultExtension)
{
    if (defaultExtension.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return defaultExtension.startsWith(u'.') ? fileName + defaultExtension
                                             : fileName + u'.' + defaultExtension;
}

void QtPrompts::message(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, kCaption, text, QMessageBox::Ok);
}

bool QtPrompts::question(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, kCaption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::openFile(QWidget* parent, const FileDialogOptions& dialog)
{
    return runFileDialog(parent, dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::saveFile(QWidget* parent, const FileDialogOptions& dialog)
{
    return runFileDialog(parent, dialog, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::chooseFolder(QWidget* parent, const QString& title,
                                               const QString& initialFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, title, initialFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace tallyfox
