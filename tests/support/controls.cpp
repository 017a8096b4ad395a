// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "support/controls.h"

#include <QMetaObject>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tallyfox::test {

namespace {

// "ItemForm itemForm", or the class alone for an object without a name.
std::string described(const QObject& object)
{
    const QString name = object.objectName();
    const char* type = object.metaObject()->className();
    return name.isEmpty() ? std::string(type) : std::string(type) + " \"" + name.toStdString() + '"';
}

} // namespace

void failMissingControl(const QObject& owner, QAnyStringView name, const char* wanted, const QObject* found,
                        const std::source_location& where)
{
    const std::string control = '"' + name.toString().toStdString() + '"';
    const std::string problem =
        found ? "the control " + control + " of " + described(owner) + " is a " +
                    found->metaObject()->className() + ", not a " + wanted
              : described(owner) + " has no control named " + control + " (a " + wanted + " was wanted)";
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << problem;
    std::fflush(stdout);
    std::fprintf(stderr, "%s:%u: the test ends here: %s\n", where.file_name(), where.line(), problem.c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace tallyfox::test
