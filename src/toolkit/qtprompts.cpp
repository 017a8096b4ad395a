// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/qtprompts.h"

#include "toolkit/messageform.h"
#include "toolkit/windowfit.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>

namespace tallyfox {

namespace {

const QString kCaption = QStringLiteral("Tallyfox");

// Qt's own file dialog is laid out for a desktop: its side bar, captions and view buttons alone are
// wider than a phone's screen. There it shows the folder, the names and the file name's box without
// them, and never asks for more room than the screen has, so that Save and Cancel stay in reach.
void fitToPhone(QFileDialog& dialog)
{
    dialog.setViewMode(QFileDialog::List);
    for (const char* name :
         {"sidebar", "lookInLabel", "fileNameLabel", "fileTypeLabel", "listModeButton", "detailModeButton"}) {
        if (auto* part = dialog.findChild<QWidget*>(QString::fromLatin1(name)))
            part->hide();
    }
    for (auto* box : dialog.findChildren<QComboBox*>()) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(4);
    }
    if (QLayout* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    dialog.setMinimumSize(0, 0);
    windowfit::fillScreen(dialog);
}

// Shows a file or folder dialog; on a phone it takes the whole screen.
bool accepted(QFileDialog& dialog, QWidget* parent)
{
    if (windowfit::onPhone(&dialog)) {
        fitToPhone(dialog);
    }
    const bool ok = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    windowfit::returnFocus(parent);
    return ok;
}

// A message box, or on a phone a form of its own over the whole screen.
bool answered(QWidget* parent, MessageForm::Kind kind, const QString& text)
{
    if (windowfit::onPhone(parent)) {
        MessageForm form(kind, text, parent);
        return form.ask();
    }
    QMessageBox box(
        kind == MessageForm::Kind::Question ? QMessageBox::Question : QMessageBox::Information, kCaption,
        text, kind == MessageForm::Kind::Question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    box.setDefaultButton(kind == MessageForm::Kind::Question ? QMessageBox::No : QMessageBox::Ok);
    const int result = box.exec();
    windowfit::returnFocus(parent);
    return result == QMessageBox::Yes || result == QMessageBox::Ok;
}

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
    if (!accepted(dialog, parent))
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
    answered(parent, MessageForm::Kind::Message, text);
}

bool QtPrompts::question(QWidget* parent, const QString& text)
{
    return answered(parent, MessageForm::Kind::Question, text);
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
    QFileDialog dialog(parent, title, initialFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!accepted(dialog, parent))
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace tallyfox
