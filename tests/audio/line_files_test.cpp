// A line's WAV and WebVTT files: header, length, cues, and no file left
// behind when the folder cannot be written.
#include "audio/line_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tovk::audio {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("tovk_audio_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Little32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(LineFiles, wavIsSixteenBitMonoWithEverySampleAndVttHasEveryCue) {
  const fs::path folder = FreshFolder("write");
  const std::vector<std::int16_t> pcm(kSampleRate / 2, 1000);
  const std::vector<Cue> cues = {{0.25, 0.9, "K1XYZ"}, {0.99, 1.5, "!@$%&*"}};
  ASSERT_FALSE(WriteLineFiles(folder / "000001.wav", pcm, cues));

  const std::string wav = ReadAll(folder / "000001.wav");
  ASSERT_GE(wav.size(), 44u);
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(wav.substr(8, 4), "WAVE");
  const std::size_t fmt = wav.find("fmt ");
  ASSERT_NE(fmt, std::string::npos);
  EXPECT_EQ(Little32(wav, fmt + 8) & 0xffff, 1u);  // PCM
  EXPECT_EQ(Little32(wav, fmt + 8) >> 16, 1u);     // mono
  EXPECT_EQ(Little32(wav, fmt + 12), static_cast<std::uint32_t>(kSampleRate));
  EXPECT_EQ(Little32(wav, fmt + 20) >> 16, 16u);  // bits per sample
  const std::size_t data = wav.find("data");
  ASSERT_NE(data, std::string::npos);
  EXPECT_EQ(Little32(wav, data + 4), pcm.size() * 2);
  EXPECT_EQ(wav.size(), data + 8 + pcm.size() * 2);

  EXPECT_EQ(ReadAll(folder / "000001.vtt"),
            "WEBVTT\n\n1\n00:00:00.250 --> 00:00:00.900\nK1XYZ\n\n"
            "2\n00:00:00.990 --> 00:00:01.500\n!@$%&*\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST(LineFiles, aFolderThatCannotBeWrittenLeavesNoFile) {
  const fs::path folder = FreshFolder("fail");
  std::ofstream(folder / "plain_file") << "not a folder";
  const auto error = WriteLineFiles(folder / "plain_file" / "000001.wav", {1, 2, 3}, {});
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("000001.wav"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tovk::audio
