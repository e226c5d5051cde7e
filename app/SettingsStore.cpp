// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMetaType>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QVariant>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace {

QString& CompanyKey() {
    static QString key;
    return key;
}

QString ApplicationKey() {
    // Without an application object there is no executable to ask about.
    const QString executablePath =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString key = ApplicationKeyFromPath(executablePath);
    return key.isEmpty() ? QCoreApplication::applicationName() : key;
}

// The file that QSettings itself picks for an organisation and application in native format
// and user scope, opened by name instead: QSettings fixes that location once per process and
// would also read the system-wide and company-wide fallback files, while the store holds the
// user's own values only and follows XDG_CONFIG_HOME as it is at each operation.
std::optional<QString> SettingsFilePath() {
    const QString company = CompanyKey();
    const QString application = ApplicationKey();
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (company.isEmpty() || application.isEmpty() || configHome.isEmpty()) {
        return std::nullopt;
    }
    return configHome + u'/' + company + u'/' + application + QStringLiteral(".conf");
}

QString SettingKey(const QString& section, const QString& value) {
    return section + u'/' + value;
}

// The store's own file holds a few dozen bytes. Something else in its place is not read: a
// pipe would block the reading, a huge file would take long to parse, and the game must start
// with its defaults instead.
constexpr qint64 kLargestStoreFile = 64 * 1024;

// A settings file's text as Qt's reader decodes its escapes, as far as they can spell ASCII:
// "\x" with hexadecimal digits and "\" with octal digits give a character code; any other
// escaped character is kept as it stands, which may make a letter of a control escape but never
// misses one. Characters beyond ASCII become '?'.
QByteArray WithEscapesDecoded(const QByteArray& text) {
    const auto digit = [](char c, int base) {
        const int value = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : base;
        return value < base ? value : -1;
    };
    QByteArray decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            decoded += text[i];
            continue;
        }
        const char escaped = text[++i];
        const int base = escaped == 'x' ? 16 : digit(escaped, 8) >= 0 ? 8 : 0;
        if (base == 0) {
            decoded += escaped;
            continue;
        }
        qsizetype next = base == 16 ? i + 1 : i;
        std::uint32_t code = 0;
        for (; next < text.size() && digit(text[next], base) >= 0; ++next) {
            code = std::min<std::uint32_t>(code * base + digit(text[next], base), 0x110000);
        }
        decoded += code < 0x80 ? static_cast<char>(code) : '?';
        i = next - 1;
    }
    return decoded;
}

// The store writes only text and numbers. A value in Qt's serialised form ("@Variant(...)",
// "@DateTime(...)") is decoded from a binary stream whose counts the file itself gives, so one
// line can make Qt ask for gigabytes, and Qt decodes every value of the file when it writes
// any. Such a file is not the store's own, however its letters are spelt.
bool HoldsSerialisedValues(const QByteArray& contents) {
    const QByteArray text = WithEscapesDecoded(contents);
    return text.contains("Variant(") || text.contains("DateTime(");
}

// Foreign: a regular file that the store cannot have written, too large or holding serialised
// values; it is not read, and a write moves it aside.
enum class StoreFile { Missing, Usable, Foreign, Unusable };

StoreFile Inspect(const QString& file) {
    std::error_code error;
    const std::filesystem::path path(QFile::encodeName(file).toStdString());
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return StoreFile::Missing;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        return StoreFile::Unusable;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return StoreFile::Unusable;
    }
    if (size > static_cast<std::uintmax_t>(kLargestStoreFile)) {
        return StoreFile::Foreign;
    }
    QFile contents(file);
    if (!contents.open(QIODevice::ReadOnly)) {
        return StoreFile::Unusable;
    }
    return HoldsSerialisedValues(contents.read(kLargestStoreFile + 1)) ? StoreFile::Foreign
                                                                       : StoreFile::Usable;
}

// Qt keeps what it has read of a settings file under the file's name, and trusts it for as long
// as the file's size and time stamp stay the same. A change made by another program within the
// same tick of the file system's clock keeps both (two games ending at once write files of the
// same length), and Qt would go on reading, and writing back, the values it knew. So the store
// never gives Qt its file's own name: every operation works on a copy under a name of its own.
bool CopyFileInto(const QString& file, QTemporaryFile& copy) {
    if (!copy.open()) {
        return false;
    }
    QFile original(file);
    if (!original.exists()) {
        // What Qt gives a settings file it creates.
        return copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return original.open(QIODevice::ReadOnly) &&
           copy.write(original.readAll()) == original.size() && copy.flush() &&
           copy.setPermissions(original.permissions());
}

std::optional<QString> ReadStoredText(const QString& section, const QString& value) {
    const std::optional<QString> file = SettingsFilePath();
    if (!file || Inspect(*file) != StoreFile::Usable) {
        return std::nullopt;
    }
    QTemporaryFile copy;
    if (!CopyFileInto(*file, copy)) {
        return std::nullopt;
    }
    const QSettings settings(copy.fileName(), QSettings::NativeFormat);
    QVariant stored = settings.value(SettingKey(section, value));
    if (!stored.isValid() || !stored.convert(QMetaType::fromType<QString>())) {
        return std::nullopt;
    }
    return stored.toString();
}

// QSettings keeps a change that did not reach the file in memory it shares with every later
// QSettings of that file in this process, where later reads would find it. So a write that
// cannot replace the file (no folder and none can be made, no right to create files in it, or
// something other than a writable file in the file's place) is refused before anything is
// staged. What can still fail after this check is the write itself, on a full disk say.
//
// A foreign file (oversized, or holding serialised values) is moved aside to
// "<file>.damaged", where nothing is lost, and the write starts a fresh file.
bool CanReplaceFile(const QString& file) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    switch (Inspect(file)) {
        case StoreFile::Missing:
        case StoreFile::Usable:
            break;
        case StoreFile::Foreign: {
            const QString aside = file + QStringLiteral(".damaged");
            QFile::remove(aside);
            if (!QFile::rename(file, aside)) {
                return false;
            }
            break;
        }
        case StoreFile::Unusable:
            return false;
    }
    if (QFile existing(file); existing.exists() && !existing.open(QIODevice::ReadWrite)) {
        return false;
    }
    QTemporaryFile replacement(file);
    return replacement.open();
}

QSettings::Status WriteOnce(const QString& file, const QString& key, const QVariant& data) {
    // The lock that QSettings takes for the file keeps two writers from interleaving.
    QLockFile lock(file + QStringLiteral(".lock"));
    QTemporaryFile copy(file);
    if (!lock.lock() || !CopyFileInto(file, copy)) {
        return QSettings::AccessError;
    }
    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings(copy.fileName(), QSettings::NativeFormat);
        settings.setValue(key, data);
        settings.sync();
        status = settings.status();
    }
    if (status != QSettings::NoError && status != QSettings::FormatError) {
        return status;
    }
    // The copy, beside the file, takes its place in one rename: the file is replaced whole, never
    // rewritten in place, so an interrupted write leaves the old values or the new ones and never
    // a truncated file.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(copy.fileName()).toStdString(),
                            QFile::encodeName(file).toStdString(), error);
    if (error) {
        return QSettings::AccessError;
    }
    copy.setAutoRemove(false);
    return status;
}

SettingWriteObserver& WriteObserver() {
    static SettingWriteObserver observer;
    return observer;
}

bool WriteSettingOnce(const QString& section, const QString& value, const QVariant& data) {
    const std::optional<QString> file = SettingsFilePath();
    if (!file || !CanReplaceFile(*file)) {
        return false;
    }
    const QString key = SettingKey(section, value);
    QSettings::Status status = WriteOnce(*file, key, data);
    // A malformed file leaves a format error from its reading that hides how the write went,
    // although a write that works replaces it with a well-formed file. Writing once more, now
    // to a file that reads cleanly, tells.
    if (status == QSettings::FormatError) {
        status = WriteOnce(*file, key, data);
    }
    return status == QSettings::NoError;
}

bool WriteSetting(const QString& section, const QString& value, const QVariant& data) {
    const bool written = WriteSettingOnce(section, value, data);
    if (WriteObserver()) {
        WriteObserver()(section, value, written);
    }
    return written;
}

}  // namespace

void SetSettingWriteObserver(SettingWriteObserver observer) {
    WriteObserver() = std::move(observer);
}

QString ApplicationKeyFromPath(const QString& executablePath) {
    const QString fileName = executablePath.sliced(executablePath.lastIndexOf(u'/') + 1);
    const qsizetype extensionStart = fileName.lastIndexOf(u'.');
    return extensionStart > 0 ? fileName.first(extensionStart) : fileName;
}

void SetCompanyKey(const QString& name) {
    CompanyKey() = name;
}

QString ReadSettingText(const QString& section, const QString& value, const QString& fallback) {
    return ReadStoredText(section, value).value_or(fallback);
}

int ReadSettingInt(const QString& section, const QString& value, int fallback) {
    const std::optional<QString> text = ReadStoredText(section, value);
    if (!text) {
        return fallback;
    }
    bool isNumber = false;
    const int number = text->toInt(&isNumber, 10);
    return isNumber ? number : fallback;
}

bool WriteSettingText(const QString& section, const QString& value, const QString& text) {
    return WriteSetting(section, value, text);
}

bool WriteSettingInt(const QString& section, const QString& value, int number) {
    return WriteSetting(section, value, number);
}
