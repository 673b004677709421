#pragma once
// Small PCM wave files for tests that play recordings: a steady tone of a given length, 16-bit
// mono, as the bytes of a complete RIFF "WAVE" file.
#include <cmath>
#include <cstdint>
#include <string>

namespace testkit {

inline std::string Tone_Wave(int milliseconds, int hertz = 440, int sample_rate = 8000) {
  const uint32_t samples =
      static_cast<uint32_t>(sample_rate) * static_cast<uint32_t>(milliseconds) / 1000;
  const uint32_t data_bytes = samples * 2;
  std::string out;
  auto u32 = [&out](uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&out](uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
  };
  out += "RIFF";
  u32(36 + data_bytes);
  out += "WAVEfmt ";
  u32(16);                                      // the format chunk's size
  u16(1);                                       // PCM
  u16(1);                                       // mono
  u32(static_cast<uint32_t>(sample_rate));
  u32(static_cast<uint32_t>(sample_rate) * 2);  // bytes a second
  u16(2);                                       // bytes a sample frame
  u16(16);                                      // bits a sample
  out += "data";
  u32(data_bytes);
  const double step = 2.0 * 3.14159265358979 * hertz / sample_rate;
  for (uint32_t i = 0; i < samples; ++i)
    u16(static_cast<uint16_t>(static_cast<int16_t>(8000.0 * std::sin(step * i))));
  return out;
}

}  // namespace testkit
