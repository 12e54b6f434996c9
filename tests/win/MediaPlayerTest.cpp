// The wave-audio player against Wine's real MCI: errors, and sound that reaches the session's
// ALSA sink byte for byte.
#include "base/AppError.h"
#include "support/WaveFile.h"
#include "ui/MediaPlayer.h"

#include <gtest/gtest.h>

namespace {

using ui::MciErrorText;
using ui::MediaPlayer;

constexpr int kRate = 22050;
// What Wine may still hand to the device after a stop or close: the data it had buffered. A
// sound that went on would bring far more in the 600 ms waited (the sink takes it at about four
// times its real rate).
constexpr size_t kFlushed = 48000;

class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sink_.Available())
            GTEST_SKIP() << "no sound sink: run inside scripts/test-session";
    }
    // A wave of `samples` samples in the temporary folder.
    std::string MakeWave(const std::string& name, int samples) {
        const std::string path = wave::TempPath(name);
        wave::WriteBytes(path, wave::FileBytes(kRate, samples));
        return path;
    }
    wave::SoundSink sink_;
};

std::string ErrorOf(MediaPlayer& player) {
    try {
        player.Open();
    } catch (const AppError& e) {
        return e.what();
    }
    return {};
}

TEST(MciErrorText, SystemTextOrUnidentifiedCause) {
    const std::string notFound = MciErrorText(MCIERR_FILE_NOT_FOUND);
    EXPECT_FALSE(notFound.empty());
    EXPECT_NE(notFound, "原因不明のｴﾗｰ");
    EXPECT_NE(notFound, MciErrorText(MCIERR_INVALID_FILE));
    EXPECT_EQ(MciErrorText(0x7FFF), "原因不明のｴﾗｰ");
}

TEST_F(MediaPlayerTest, MissingFileFailsWithTheSystemTextAndLeavesThePlayerClosed) {
    MediaPlayer player;
    player.FileName = MakeWave("mp-good.wav", 2205);
    player.Open();
    ASSERT_TRUE(player.IsOpen());

    player.FileName = wave::TempPath("mp-no-such-file.wav");
    EXPECT_EQ(ErrorOf(player), MciErrorText(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(player.LastError(), static_cast<MCIERROR>(MCIERR_FILE_NOT_FOUND));
    EXPECT_FALSE(player.IsOpen());  // the device opened before was closed first
    EXPECT_NO_THROW(player.Play()); // nothing to play, nothing reported

    try {
        player.Stop();
        ADD_FAILURE() << "stop without a device";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "MCI ﾃﾞﾊﾞｲｽがありません");
    }
}

TEST_F(MediaPlayerTest, FileThatIsNoWaveFailsWithAnotherText) {
    const std::string path = wave::TempPath("mp-not-a-wave.wav");
    wave::WriteBytes(path, "This is text, not RIFF.");
    MediaPlayer player;
    player.FileName = path;
    const std::string error = ErrorOf(player);
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error, MciErrorText(MCIERR_FILE_NOT_FOUND));
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(MediaPlayerTest, PlayReturnsAtOnceAndTheWholeFileReachesTheSink) {
    const int samples = kRate; // one second
    MediaPlayer player;
    player.FileName = MakeWave("mp-one-second.wav", samples);
    player.Open();
    const ULONGLONG before = ::GetTickCount64();
    player.Play();
    EXPECT_LT(::GetTickCount64() - before, 300u) << "play waited for the sound";
    EXPECT_EQ(player.LastError(), 0u);

    const std::string data = wave::SampleBytes(samples);
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= data.size(); }, 5000));
    EXPECT_EQ(sink_.Since(), data);
    // The completion notice goes to the player's own window and says the play finished.
    EXPECT_TRUE(sink_.WaitFor([&](const std::string&) { return player.NotifyValue() != 0; }, 3000));
    EXPECT_EQ(player.NotifyValue(), static_cast<UINT>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_TRUE(player.IsOpen()); // the device stays open after playing
}

TEST_F(MediaPlayerTest, OpeningAgainCutsTheSoundOffAndStartsTheFileFromItsBeginning) {
    const int samples = 3 * kRate;
    MediaPlayer player;
    player.FileName = MakeWave("mp-three-seconds.wav", samples);
    player.Open();
    player.Play();
    const std::string data = wave::SampleBytes(samples);
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= 4096; }, 5000));

    player.Open();
    player.Play();
    // The cut-off play's notice is no notice of the new play, though the device may have the
    // same identifier.
    sink_.WaitFor([](const std::string&) { return false; }, 100);
    EXPECT_EQ(player.NotifyValue(), 0u);
    ASSERT_TRUE(sink_.WaitFor(
        [&](const std::string& s) { return s.size() > data.size() && s.ends_with(data); }, 10000));
    // A cut-off beginning, then the whole file once: the first play never reached its end.
    const std::string heard = sink_.Since();
    const size_t cut = heard.size() - data.size();
    EXPECT_LT(cut, data.size());
    EXPECT_EQ(heard.substr(0, cut), data.substr(0, cut));
    EXPECT_TRUE(sink_.WaitFor([&](const std::string&) { return player.NotifyValue() != 0; }, 3000));
    EXPECT_EQ(player.NotifyValue(), static_cast<UINT>(MCI_NOTIFY_SUCCESSFUL));
}

TEST_F(MediaPlayerTest, StopEndsTheSoundAndKeepsTheDeviceOpen) {
    const int samples = 6 * kRate;
    MediaPlayer player;
    player.FileName = MakeWave("mp-stop.wav", samples);
    player.Open();
    player.Play();
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= 4096; }, 5000));
    player.Stop();
    EXPECT_TRUE(player.IsOpen());
    const size_t stoppedAt = sink_.Since().size();
    ::Sleep(600);
    EXPECT_LE(sink_.Since().size(), stoppedAt + kFlushed) << "the sound went on after stop";
    EXPECT_LT(sink_.Since().size(), wave::SampleBytes(samples).size());
}

TEST_F(MediaPlayerTest, ClosingEndsTheSound) {
    const int samples = 6 * kRate;
    {
        MediaPlayer player;
        player.FileName = MakeWave("mp-close.wav", samples);
        player.Open();
        player.Play();
        ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= 4096; }, 5000));
    }
    const size_t closedAt = sink_.Since().size();
    ::Sleep(600);
    EXPECT_LE(sink_.Since().size(), closedAt + kFlushed);
    EXPECT_LT(sink_.Since().size(), wave::SampleBytes(samples).size());
}

TEST_F(MediaPlayerTest, TwoPlayersPlayAtOnce) {
    // The clock's player and the Properties dialog's player are separate devices.
    MediaPlayer clock, dialog;
    clock.FileName = MakeWave("mp-clock.wav", kRate / 2);
    dialog.FileName = MakeWave("mp-dialog.wav", kRate / 2);
    clock.Open();
    dialog.Open();
    EXPECT_NE(clock.DeviceId(), dialog.DeviceId());
    clock.Play();
    dialog.Play();
    EXPECT_TRUE(sink_.WaitFor(
        [&](const std::string&) { return clock.NotifyValue() != 0 && dialog.NotifyValue() != 0; }, 5000));
    EXPECT_EQ(clock.NotifyValue(), static_cast<UINT>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_EQ(dialog.NotifyValue(), static_cast<UINT>(MCI_NOTIFY_SUCCESSFUL));
}

TEST_F(MediaPlayerTest, EmptyFileNameOpensTheBareDeviceAndPlayFailsSilently) {
    MediaPlayer player;
    player.Open(); // Wine's wave device accepts an open without a file
    EXPECT_TRUE(player.IsOpen());
    EXPECT_NO_THROW(player.Play());
    EXPECT_NE(player.LastError(), 0u) << "a device without a file played";
}

TEST(MediaPlayer, NoticesGoToAMessageOnlyWindowOfItsOwn) {
    MediaPlayer player;
    ASSERT_NE(player.NotifyWindow(), nullptr);
    bool found = false;
    for (HWND w = ::FindWindowExA(HWND_MESSAGE, nullptr, "TMediaPlayer", nullptr); w;
         w = ::FindWindowExA(HWND_MESSAGE, w, "TMediaPlayer", nullptr))
        found = found || w == player.NotifyWindow();
    EXPECT_TRUE(found);
}

} // namespace
