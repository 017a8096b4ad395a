// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/threadpriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace tallyfox {

void yieldToOtherThreads()
{
    // On Linux the nice value belongs to each thread; raising it needs no privilege.
    constexpr int kBackgroundNice = 10;
    [[maybe_unused]] const int result =
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kBackgroundNice);
}

} // namespace tallyfox
