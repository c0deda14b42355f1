#include "request_frame.h"

#include "checksum.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace printersim {
namespace {

constexpr unsigned kLenBias = 0x24;
constexpr std::size_t kOverhead = 10;  // SOH LEN SEQ CMD 05h sum*4 ETX
constexpr uint8_t kSeqFirst = 0x20;
constexpr uint8_t kSeqLast = 0x7E;

// Data length LEN announces, if it is in range at all.
std::optional<std::size_t> AnnouncedData(std::string_view frame) {
  if (frame.size() < 2) return std::nullopt;
  const unsigned len = static_cast<uint8_t>(frame[1]);
  if (len < kLenBias || len - kLenBias > kMaxRequestData) return std::nullopt;
  return len - kLenBias;
}

bool HasTail(std::string_view f) {
  return f.size() >= kOverhead && f.back() == kEtx && f[f.size() - 6] == kSumMark &&
         DecodeChecksum(f.substr(f.size() - 5, 4));
}

bool PasswordOk(std::string_view data) {
  return data.size() >= 7 && data[6] == ';' &&
         std::all_of(data.begin(), data.begin() + 6, [](unsigned char c) { return std::isdigit(c); });
}

Verdict Judge(std::string_view f, bool checkPassword) {
  if (f.size() < 2) return Verdict::Incomplete;
  const auto n = AnnouncedData(f);
  if (!n) return Verdict::BadLen;
  if (f.size() < *n + kOverhead) return HasTail(f) ? Verdict::BadLen : Verdict::Incomplete;
  if (f.size() > *n + kOverhead) return Verdict::BadLen;
  if (f[4 + *n] != kSumMark)
    return f.find(kSumMark, 4) != std::string_view::npos ? Verdict::BadLen : Verdict::No05h;
  const auto sum = DecodeChecksum(f.substr(5 + *n, 4));
  if (!sum || *sum != Checksum(f.substr(1, 4 + *n))) return Verdict::BadChecksum;
  if (f.back() != kEtx) return Verdict::NoEtx;
  const auto seq = static_cast<uint8_t>(f[2]);
  if (seq < kSeqFirst || seq > kSeqLast) return Verdict::BadSeq;
  if (checkPassword && !PasswordOk(f.substr(4, *n))) return Verdict::BadPassword;
  return Verdict::Ok;
}

}  // namespace

std::optional<std::string> RequestAssembler::Feed(uint8_t byte) {
  if (buffer_.empty() && byte != static_cast<uint8_t>(kSoh)) return std::nullopt;  // line noise
  buffer_ += static_cast<char>(byte);
  if (!Complete()) return std::nullopt;
  return std::exchange(buffer_, {});
}

std::string RequestAssembler::Abandon() { return std::exchange(buffer_, {}); }

bool RequestAssembler::Complete() const {
  const auto n = AnnouncedData(buffer_);
  if (n && buffer_.size() == *n + kOverhead) return true;
  return buffer_.size() >= kMaxRequestData + kOverhead || HasTail(buffer_);
}

Request Examine(std::string frame, bool checkPassword) {
  Request request;
  request.verdict = Judge(frame, checkPassword);
  if (frame.size() > 2) request.seq = static_cast<uint8_t>(frame[2]);
  if (frame.size() > 3) request.cmd = static_cast<uint8_t>(frame[3]);
  if (frame.size() > 4) {
    // Trust LEN where the frame is long enough for it, else stop at the first 05h.
    const auto n = AnnouncedData(frame);
    const std::size_t end = n && frame.size() > 4 + *n ? 4 + *n : frame.find(kSumMark, 4);
    request.data = frame.substr(4, end == std::string::npos ? std::string::npos : end - 4);
  }
  request.frame = std::move(frame);
  return request;
}

bool SeqFollows(uint8_t previous, uint8_t seq) {
  const uint8_t next = previous == kSeqLast ? kSeqFirst : static_cast<uint8_t>(previous + 1);
  return seq == next || (previous == 0x61 && seq == kSeqFirst);
}

}  // namespace printersim
