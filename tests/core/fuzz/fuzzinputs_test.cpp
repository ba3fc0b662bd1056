// Every seed of the fuzz targets and every input a fuzzer once found
// harmful goes through its target again: under the sanitizers of the test
// build, a reader that reaches beyond its data fails here.
#include "support/recordingmessages.h"

#include "fuzztargets.h"

#include "base/messageservice.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The files of one target: its seeds (fuzz/corpus/NAME) and the findings
// kept as regression cases (tests/data/fuzz/NAME).
QStringList inputsOf(const QString& name)
{
    QStringList files;
    for (const QString& folder : {QStringLiteral(QM_SOURCE_DIR "/fuzz/corpus/") + name,
                                  QStringLiteral(QM_SOURCE_DIR "/tests/data/fuzz/") + name})
        for (const QString& file : QDir(folder).entryList(QDir::Files, QDir::Name))
            files << folder + u'/' + file;
    return files;
}

class FuzzInputs : public ::testing::TestWithParam<fuzzing::Target> {};

TEST_P(FuzzInputs, RunThroughTheirTargetWithoutHarm)
{
    RecordingMessages messages;
    const QStringList files = inputsOf(QString::fromLatin1(GetParam().name));
    EXPECT_FALSE(files.isEmpty()) << "no seeds for " << GetParam().name;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        runReportingIoErrors([&] { GetParam().run(bytes); });
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs, ::testing::ValuesIn(fuzzing::targets()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
