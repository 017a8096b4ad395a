// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tallyfox {

// The kinds a reader can tell apart: text (REG_SZ), a 4-byte number (REG_DWORD), and everything else.
enum class RegistryValueKind
{
    Text,
    Number,
    Other,
};

// One value of a key. A value of another kind (binary data, a 64-bit number, a list of texts; a person
// may have written it by hand as hex:...) keeps its data as written after "=", so that rewriting the
// file does not lose it.
struct RegistryValue
{
    RegistryValueKind kind = RegistryValueKind::Other;
    QString text;
    quint32 number = 0;
    QString data;

    [[nodiscard]] static RegistryValue fromText(const QString& text);
    [[nodiscard]] static RegistryValue fromNumber(quint32 number);
    [[nodiscard]] static RegistryValue fromData(const QString& data);

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// One line of a key's section, in file order: a named value or a comment the person wrote.
struct RegistryLine
{
    bool isComment = false;
    // The value's name (empty for the key's default value) or the whole comment line.
    QString name;
    RegistryValue value;
};

// A key and its values. Names compare without regard to case, as the registry does, and keep the
// spelling they were first given.
class RegistryKeyContent
{
public:
    explicit RegistryKeyContent(const QString& path) : m_path(path) {}

    // The full path with its root, e.g. "HKEY_LOCAL_MACHINE\Software\Tallyfox".
    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] const QList<RegistryLine>& lines() const { return m_lines; }

    [[nodiscard]] const RegistryValue* find(QStringView name) const;
    // Replaces the value of that name, or adds it at the end.
    void set(const QString& name, const RegistryValue& value);
    void addComment(const QString& line);

private:
    QString m_path;
    QList<RegistryLine> m_lines;
    // Folded name -> index into m_lines.
    QHash<QString, qsizetype> m_index;
};

// All keys of one registry file, in file order, and the comments above the first key.
class RegistryContent
{
public:
    [[nodiscard]] const QList<RegistryKeyContent>& keys() const { return m_keys; }
    [[nodiscard]] const QStringList& leadingComments() const { return m_leadingComments; }

    [[nodiscard]] const RegistryKeyContent* findKey(QStringView path) const;
    [[nodiscard]] RegistryKeyContent* findKey(QStringView path);
    // A key exists when it has a section of its own or one of its subkeys has one.
    [[nodiscard]] bool keyExists(QStringView path) const;
    // The key of that path, added at the end when it is not there yet.
    RegistryKeyContent& addKey(const QString& path);
    void addLeadingComment(const QString& line) { m_leadingComments.append(line); }

private:
    QList<RegistryKeyContent> m_keys;
    QStringList m_leadingComments;
    // Folded path -> index into m_keys.
    QHash<QString, qsizetype> m_index;
};

} // namespace tallyfox
