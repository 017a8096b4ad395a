// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

class QDateEdit;
class QLocale;

namespace tallyfox {

// A date picker shows the day in the user's short form, with the year in full: two digits cannot name
// every year an entry may have. The C locale writes dates as yyyy-MM-dd, as the rest of the program does.
void showDatesAsTheUserWrites(QDateEdit& picker, const QLocale& locale);

} // namespace tallyfox
