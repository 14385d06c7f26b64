#include "core/sound_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/click_sounds.h"
#include "core/dispids.h"
#include "core/enums.h"
#include "model_fakes.h"

namespace brixel {
namespace {

using testing::FakeFileContent;
using testing::ModelFixture;

struct ErrorCase {
    const char* name;
    FakeFileContent file;  // what "C:\\s.wav" opens to
    AutomationError error;
};

class SoundFileErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SoundFileErrors, FailTheWriteAndEmptyTheProperty) {
    ModelFixture f;
    f.host.files[u"C:\\s.wav"] = GetParam().file;
    const PutResult r = f.Put(dispid::kClickSoundFile, std::u16string(u"C:\\s.wav"));
    EXPECT_EQ(r.status, PutStatus::Failed);
    EXPECT_EQ(r.error, GetParam().error);
    EXPECT_TRUE(f.props().ClickSoundFile.empty());
    EXPECT_FALSE(f.model.SoundMemory(SoundSlotId::Click).has_value());
    EXPECT_EQ(f.host.modified, 0);
    EXPECT_TRUE(f.host.notified.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoundFileErrors,
    ::testing::Values(
        ErrorCase{"MissingFile", {FileError::NotFound, {}, {}, FileError::None}, kErrFileNotFound},
        ErrorCase{"MissingFolder", {FileError::PathNotFound, {}, {}, FileError::None}, kErrPathNotFound},
        ErrorCase{"Unreadable", {FileError::Other, {}, {}, FileError::None}, kErrFileAccess},
        ErrorCase{"FailsWhileReading", {FileError::None, {1, 2, 3}, {}, FileError::Other}, kErrFileAccess},
        ErrorCase{
            "OverTheBound", {FileError::None, {}, kMaxSoundFileBytes + 1, FileError::None}, kErrFileAccess}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundFileErrors, TextsAreTheSystemsOwn) {
    EXPECT_EQ(kErrFileNotFound.code, 0x800A0035u);
    EXPECT_EQ(kErrFileNotFound.text, u"The specified file was not found");
    EXPECT_EQ(kErrPathNotFound.code, 0x800A004Cu);
    EXPECT_EQ(kErrPathNotFound.text, u"The specified path was not found");
    EXPECT_EQ(kErrFileAccess.code, 0x800A004Bu);
    EXPECT_EQ(kErrFileAccess.text, u"File Access Error");
}

TEST(SoundFileReading, AFileOverTheBoundIsNeverRead) {
    ModelFixture f;
    f.host.files[u"big.wav"] = {FileError::None, {}, std::uint64_t{1} << 40, FileError::None};
    f.Put(dispid::kMouseInSoundFile, std::u16string(u"big.wav"));
    EXPECT_EQ(f.host.reads, 0);
    EXPECT_TRUE(f.props().MouseInSoundFile.empty());
}

TEST(SoundFileReading, TheBlockIsTheCountThenTheFile) {
    ModelFixture f;
    f.host.files[u"click.wav"] = {FileError::None, {'R', 'I', 'F', 'F', 9}, {}, FileError::None};
    EXPECT_EQ(f.Put(dispid::kClickSoundFile, std::u16string(u"click.wav")).status, PutStatus::Done);
    const auto& block = f.model.SoundMemory(SoundSlotId::Click);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(*block, (SoundBlock{5, 0, 0, 0, 'R', 'I', 'F', 'F', 9}));
    EXPECT_EQ(SoundBlockData(*block).size(), 5u);
    EXPECT_EQ(f.host.notified, std::vector<std::int32_t>{dispid::kClickSoundFile});
}

TEST(SoundFileReading, AnEmptyFileIsAccepted) {
    ModelFixture f;
    f.host.files[u"empty.wav"] = {};
    EXPECT_EQ(f.Put(dispid::kClickSoundFile, std::u16string(u"empty.wav")).status, PutStatus::Done);
    ASSERT_TRUE(f.model.SoundMemory(SoundSlotId::Click).has_value());
    EXPECT_EQ(*f.model.SoundMemory(SoundSlotId::Click), (SoundBlock{0, 0, 0, 0}));
    EXPECT_EQ(f.props().ClickSoundFile, u"empty.wav");
}

TEST(SoundFileReading, AShortReadLeavesNoBlockAndNoError) {
    ModelFixture f;
    f.host.files[u"short.wav"] = {FileError::None, {1, 2, 3}, 10, FileError::None};
    EXPECT_EQ(f.Put(dispid::kMouseInSoundFile, std::u16string(u"short.wav")).status, PutStatus::Done);
    EXPECT_FALSE(f.model.SoundMemory(SoundSlotId::MouseIn).has_value());
    EXPECT_EQ(f.props().MouseInSoundFile, u"short.wav");
}

TEST(SoundFileReading, AnEmptyPathFreesTheBlockWithoutOpening) {
    ModelFixture f;
    f.host.files[u"a.wav"] = {FileError::None, {1}, {}, FileError::None};
    f.Put(dispid::kClickSoundFile, std::u16string(u"a.wav"));
    ASSERT_TRUE(f.model.SoundMemory(SoundSlotId::Click).has_value());
    f.host.ClearRecords();
    EXPECT_EQ(f.Put(dispid::kClickSoundFile, std::u16string()).status, PutStatus::Done);
    EXPECT_FALSE(f.model.SoundMemory(SoundSlotId::Click).has_value());
    EXPECT_TRUE(f.host.opened.empty());
}

TEST(SoundFileReading, AFailedFileDropsTheOldBlock) {
    ModelFixture f;
    f.host.files[u"a.wav"] = {FileError::None, {1}, {}, FileError::None};
    f.Put(dispid::kClickSoundFile, std::u16string(u"a.wav"));
    f.Put(dispid::kClickSoundFile, std::u16string(u"gone.wav"));
    EXPECT_FALSE(f.model.SoundMemory(SoundSlotId::Click).has_value());
}

TEST(SoundFileReading, AFileSetWhileTheSoundIsNotCustomIsKeptButNotPlayed) {
    ModelFixture f;
    f.host.files[u"a.wav"] = {FileError::None, {1, 2}, {}, FileError::None};
    f.Put(dispid::kClickSoundFile, std::u16string(u"a.wav"));
    EXPECT_EQ(f.props().ClickSound, kvnSound1);
    EXPECT_EQ(f.props().ClickSoundFile, u"a.wav");
    const bool has_block = f.model.SoundMemory(SoundSlotId::Click).has_value();
    EXPECT_TRUE(has_block);
    EXPECT_EQ(ChooseSound(f.props().ClickSound, has_block).kind, SoundChoice::Kind::Resource);
    f.Put(dispid::kClickSound, std::int16_t{3});
    EXPECT_EQ(ChooseSound(f.props().ClickSound, has_block).kind, SoundChoice::Kind::Memory);
}

TEST(SoundBlocks, AMalformedBlockHasNoData) {
    EXPECT_TRUE(SoundBlockData(SoundBlock{1, 2}).empty());
    EXPECT_TRUE(SoundBlockData(SoundBlock{9, 0, 0, 0, 1}).empty()) << "count larger than the bytes";
}

}  // namespace
}  // namespace brixel
