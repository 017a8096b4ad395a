// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/importer/backgroundwork.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <memory>

namespace tallyfox {

namespace {

// How often the bar follows the work.
constexpr int kBarIntervalMs = 50;

void showProgress(QProgressBar& bar, const WorkProgress& progress)
{
    const qint64 total = progress.total;
    if (total <= 0) {
        // Busy: Qt's bar moves on its own.
        bar.setRange(0, 0);
        return;
    }
    // The bar counts in thousandths, so that any count fits its int.
    bar.setRange(0, 1000);
    bar.setValue(int(std::min<qint64>(1000, progress.done * 1000 / total)));
}

} // namespace

void runInBackground(QProgressBar& bar, const std::function<void(WorkProgress&)>& work)
{
    WorkProgress progress;
    std::unique_ptr<QThread> thread(QThread::create([&work, &progress] { work(progress); }));
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(kBarIntervalMs);
    QObject::connect(&timer, &QTimer::timeout, &bar, [&bar, &progress] { showProgress(bar, progress); });
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    showProgress(bar, progress);
    bar.show();
    timer.start();
    thread->start();
    // Input goes on being drawn, but no new command starts while the work runs.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    timer.stop();
    bar.hide();
}

} // namespace tallyfox
