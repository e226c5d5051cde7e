// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole settings file, as the game meets it: the input is the file in a configuration home of
// the fuzzer's own; the game's start-up reads "pozice", "PL1" and "PL2", its end writes them
// back, and what is read afterwards must be exactly what was written.

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QMap>
#include <QMetaType>
#include <QSet>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "app/SettingsStore.h"
#include "app/WindowRectText.h"

namespace {

const QString kExecutableName = QStringLiteral(SKIRMORA_FUZZ_EXECUTABLE_NAME);

// The store flushes each write to the disk; a folder in memory, where there is one, keeps the
// fuzzer fast.
QTemporaryDir& Scratch() {
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    static QTemporaryDir dir(
        (memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath()) +
        QStringLiteral("/skirmora-fuzz-XXXXXX"));
    return dir;
}

QString MainHome() {
    return Scratch().filePath(QStringLiteral("home"));
}

QString SettingsFileIn(const QString& home) {
    return home + QStringLiteral("/Brontel/") + kExecutableName + QStringLiteral(".conf");
}

void UseConfigHome(const QString& home) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
}

void PutFile(const QString& path, const QByteArray& bytes) {
    Require(QDir().mkpath(QFileInfo(path).absolutePath()), "harness: the folder is made");
    QFile file(path);
    Require(
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
        "harness: the file is written");
}

// Stands for another program, or a person with an editor, changing the file within the same
// tick of the file system's clock as the store's last access: the time stamp stays as it was.
void ReplaceFileWithinTheSameTick(const QString& path, const QByteArray& bytes) {
    const QDateTime stamp = QFileInfo(path).lastModified();
    PutFile(path, bytes);
    QFile file(path);
    Require(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(stamp, QFileDevice::FileModificationTime),
            "harness: the time stamp is kept");
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly), "harness: the file is read");
    return file.readAll();
}

// A name used once only, so no reader has met a file of that name before.
QString UnusedName(const QString& stem) {
    static int count = 0;
    return Scratch().filePath(stem + QString::number(++count));
}

struct StoredValues {
    QString windowRect;
    int leftPlayer = kPlayerUnset;
    int rightPlayer = kPlayerUnset;
    friend bool operator==(const StoredValues&, const StoredValues&) = default;
};

// The reads of the game's start-up, in its order and with its defaults.
StoredValues ReadAsTheGameStarts() {
    StoredValues values;
    values.windowRect = ReadSettingText(kAppearanceSection, kWindowRectValue);
    values.leftPlayer = ReadSettingInt(kGameSection, kLeftPlayerValue, kPlayerUnset);
    values.rightPlayer = ReadSettingInt(kGameSection, kRightPlayerValue, kPlayerUnset);
    return values;
}

// The same reads from a configuration home never used before that holds the given file.
StoredValues ReadAfresh(const QByteArray& bytes) {
    const QString home = UnusedName(QStringLiteral("fresh-"));
    PutFile(SettingsFileIn(home), bytes);
    UseConfigHome(home);
    const StoredValues values = ReadAsTheGameStarts();
    UseConfigHome(MainHome());
    QDir(home).removeRecursively();
    return values;
}

// A value as what it says in text. Qt writes some values in a form that it reads back as another
// type: a number as a text, a list holding control characters as a list of variants, an empty
// list as no value at all.
QVariant Comparable(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList) {
        const QStringList texts = value.toStringList();
        return texts.isEmpty() ? QVariant() : QVariant(texts);
    }
    QVariant text = value;
    return text.convert(QMetaType::fromType<QString>()) ? text : value;
}

// What a reader that has never seen the file finds in it: whether it reads cleanly, and every
// value but the three of the game.
struct FileReading {
    bool clean = false;
    QMap<QString, QVariant> otherValues;
};

FileReading ReadWhole(const QByteArray& bytes) {
    const QString copy = UnusedName(QStringLiteral("copy-")) + QStringLiteral(".conf");
    PutFile(copy, bytes);
    FileReading reading;
    {
        const QSettings reader(copy, QSettings::NativeFormat);
        // Qt lists keys it cannot look up again (a section or key name with "//" in it, say);
        // those hold nothing a reader could find.
        for (const QString& key : reader.allKeys()) {
            if (const QVariant value = Comparable(reader.value(key)); value.isValid()) {
                reading.otherValues.insert(key, value);
            }
        }
        // Qt parses a section when it is first asked about, so only now is every error known.
        reading.clean = reader.status() == QSettings::NoError;
    }
    QFile::remove(copy);
    for (const char* const section : {kAppearanceSection, kGameSection}) {
        for (const char* const value : {kWindowRectValue, kLeftPlayerValue, kRightPlayerValue}) {
            reading.otherValues.remove(QString::fromLatin1(section) + u'/' +
                                       QString::fromLatin1(value));
        }
    }
    return reading;
}

// Qt reads a key written "name/" as "name", but writes it back under a name of its own. In a
// section that also holds "name" itself, which of the two values Qt reads therefore changes
// when it rewrites the file.
bool SlashKeyShadowsAnother(const QByteArray& bytes) {
    QByteArray section;
    QSet<QByteArray> plainKeys;
    QSet<QByteArray> slashKeys;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            section = line;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) {
            continue;
        }
        QByteArray key = section + '\n' + line.left(equals).trimmed();
        bool slashed = false;
        while (key.endsWith('/')) {
            key.chop(1);
            slashed = true;
        }
        QSet<QByteArray>& keys = slashed ? slashKeys : plainKeys;
        if (slashed && keys.contains(key)) {
            return true;
        }
        keys.insert(key);
    }
    return plainKeys.intersects(slashKeys);
}

int StoredFlag(int startUpValue) {
    return IsComputerDriven(startUpValue) ? kComputerDriven : kPersonDriven;
}

// One run of the game over the given file, put in place as another program would.
void GameRunOver(const QByteArray& bytes) {
    const QString file = SettingsFileIn(MainHome());
    ReplaceFileWithinTheSameTick(file, bytes);

    const StoredValues atStart = ReadAsTheGameStarts();
    Require(atStart == ReadAfresh(bytes), "the store reads what the file holds now");

    // The game's end writes back the rectangle it started with and both flags as it read them.
    const ScreenRect rect = WindowRectFromSetting(atStart.windowRect.toStdString());
    const StoredValues written{QString::fromStdString(FormatWindowRect(rect)),
                               StoredFlag(atStart.leftPlayer), StoredFlag(atStart.rightPlayer)};
    // In the game's order; a write that fails does not stop the next.
    const bool rectWritten =
        WriteSettingText(kAppearanceSection, kWindowRectValue, written.windowRect);
    const bool rightWritten = WriteSettingInt(kGameSection, kRightPlayerValue, written.rightPlayer);
    const bool leftWritten = WriteSettingInt(kGameSection, kLeftPlayerValue, written.leftPlayer);

    Require(ReadAsTheGameStarts() == written, "the store reads back what it wrote");
    const QByteArray result = FileBytes(file);
    Require(ReadAfresh(result) == written, "the file holds what was written");
    // A file that cannot be the store's own (too large, or holding values in Qt's serialised
    // form, which Qt must not be given to decode) is set aside whole, and the writes start a
    // fresh file.
    const QString setAside = file + QStringLiteral(".damaged");
    if (QFile::exists(setAside)) {
        Require(FileBytes(setAside) == bytes, "a file set aside keeps its bytes");
        Require(rectWritten && rightWritten && leftWritten,
                "every write after setting a file aside goes through");
        QFile::remove(setAside);
        return;
    }
    // Over a malformed file a write may say it failed although its value arrived: Qt writes
    // some of the keys it made of such a file in a form it cannot read back cleanly either (a key
    // ending in "/" becomes "key\=", an escaped "="), and the store's second attempt then still
    // meets a format error. Over a well-formed file every write says it went through.
    const FileReading before = ReadWhole(bytes);
    Require(!before.clean || (rectWritten && rightWritten && leftWritten),
            "every write over a well-formed file says it went through");

    // A malformed file is rewritten as it was understood; a well-formed one loses nothing. (Qt
    // may make a key it could not look up before readable, under a name of its own choosing.)
    const FileReading after = ReadWhole(result);
    if (before.clean && !SlashKeyShadowsAnother(bytes)) {
        for (auto kept = before.otherValues.cbegin(); kept != before.otherValues.cend(); ++kept) {
            Require(after.otherValues.value(kept.key()) == kept.value(),
                    "the writes keep every other value of a well-formed file");
        }
    }
}

// The same bytes with every 0 made 1 and every 1 made 0: another file of the same size, with
// both players changed.
QByteArray Flipped(QByteArray bytes) {
    for (char& c : bytes) {
        c = c == '0' ? '1' : (c == '1' ? '0' : c);
    }
    return bytes;
}

}  // namespace

// Qt reads a value stored as "@Variant(...)" by trusting the element count in it, and may ask for
// gigabytes at once. Outside the sanitizer the game gets address space it never touches, or a
// refusal that Qt handles; the sanitizer's allocator would stop the process at the request.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The store names its file after the running executable, which only an application object
    // knows. It lives as long as the process.
    static QCoreApplication* const application = new QCoreApplication(*argc, *argv);
    Require(application != nullptr && Scratch().isValid(), "harness: a scratch folder exists");
    UseConfigHome(MainHome());
    SetCompanyKey(QString::fromLatin1(kCompanyKey));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // First a file of the same size that holds nothing, read as at start-up: a reader that went
    // on trusting what it read then would miss the input's values.
    PutFile(SettingsFileIn(MainHome()), QByteArray(input.size(), ' '));
    ReadAsTheGameStarts();
    GameRunOver(input);
    // Then the file that run left, changed by another program without changing its size.
    GameRunOver(Flipped(FileBytes(SettingsFileIn(MainHome()))));
    return 0;
}
