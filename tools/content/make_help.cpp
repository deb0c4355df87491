// SPDX-License-Identifier: GPL-3.0-or-later
// Compiles the help pages in help/ into globina.chm with chmcmd, then clears
// the two build stamps chmcmd writes (the system's uptime in milliseconds, in
// the file header and in the #SYSTEM file), so that the same pages always give
// the same bytes. The binary keyword index is off in globina.hhp because
// chmcmd leaves uninitialised bytes in it.
#include "ToolMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return false;
}

bool CopyFolder(const QString& from, const QString& to) {
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files, QDir::Name))
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            return Fail(QStringLiteral("cannot copy %1").arg(source.filePath(name)));
    return true;
}

void Zero(QByteArray& bytes, qsizetype at, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + i] = '\0';
}

bool ClearStamps(QByteArray& chm) {
    // ITSF header: signature, version 3, header length, 1, then the stamp.
    if (!chm.startsWith(QByteArray("ITSF\x03\x00\x00\x00", 8)) || chm.size() < 0x60)
        return Fail(QStringLiteral("chmcmd wrote no ITSF version 3 header"));
    Zero(chm, 0x10, 4);
    // #SYSTEM: version 3, then entry code 10 (4 bytes: the stamp), then the
    // compiler's name in entry code 9.
    const QByteArray system("\x03\x00\x00\x00\x0a\x00\x04\x00", 8);
    const qsizetype at = chm.indexOf(system);
    if (at < 0 || chm.indexOf(system, at + 1) >= 0 ||
        chm.mid(at + 12, 4) != QByteArray("\x09\x00\x16\x00", 4))
        return Fail(QStringLiteral("cannot find the stamp in the #SYSTEM file"));
    Zero(chm, at + 8, 4);
    return true;
}

bool Build(const QString& helpFolder, const QString& output) {
    QTemporaryDir work;
    if (!work.isValid() || !CopyFolder(helpFolder, work.path()))
        return Fail(QStringLiteral("cannot prepare a work folder"));
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(work.path());
    chmcmd.setProcessChannelMode(QProcess::MergedChannels);
    chmcmd.start(QStringLiteral("chmcmd"), {QStringLiteral("globina.hhp")});
    if (!chmcmd.waitForFinished(60000) || chmcmd.exitStatus() != QProcess::NormalExit ||
        chmcmd.exitCode() != 0)
        return Fail(QStringLiteral("chmcmd failed (package fp-utils): %1")
                        .arg(QString::fromLocal8Bit(chmcmd.readAll()) + chmcmd.errorString()));
    QFile compiled(work.filePath(QStringLiteral("globina.chm")));
    if (!compiled.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("chmcmd wrote no globina.chm"));
    QByteArray chm = compiled.readAll();
    if (!ClearStamps(chm))
        return false;
    QFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(chm) != chm.size())
        return Fail(QStringLiteral("cannot write %1").arg(output));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return Usage(argv[0], "help-folder globina.chm");
    return Build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
