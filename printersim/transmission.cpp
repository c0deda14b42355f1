#include "transmission.h"

#include "checksum.h"
#include "reply_frame.h"

#include <algorithm>
#include <utility>

namespace printersim {
namespace {

using Kind = Fault::Kind;

constexpr uint8_t kReceiptPaperOut = 0x04;  // in S1

// Faults that change what the reply says rather than how it travels.
void Rewrite(Reply& reply, const Fault& fault) {
  switch (fault.kind) {
    case Kind::PaperOut:
      reply.status[1] |= kReceiptPaperOut;
      break;
    case Kind::ManyFields:
      reply.data.clear();
      for (unsigned i = 0; i < fault.count; ++i) {
        reply.data += static_cast<char>('0' + i % 10);
        reply.data += ';';
      }
      break;
    case Kind::LongErrorCode:
      reply.error.clear();
      for (unsigned i = 0; i < fault.count; ++i) reply.error += static_cast<char>('1' + i % 9);
      break;
    case Kind::LongReply:
      reply.data.clear();
      for (unsigned i = 0; i < fault.count; ++i)
        reply.data += i % 10 == 9 ? ';' : static_cast<char>('A' + i % 10);
      break;
    default:
      break;
  }
}

}  // namespace

Transmission Plan(uint8_t seq, uint8_t cmd, Reply reply, const std::optional<Fault>& fault) {
  if (fault) Rewrite(reply, *fault);
  std::string frame;
  std::size_t dataEnd;
  if (reply.raw) {
    frame = std::move(*reply.raw);
    dataEnd = frame.size() / 2;
  } else {
    ReplyFrame built = BuildReplyFrame(seq, cmd, reply);
    frame = std::move(built.bytes);
    dataEnd = built.dataEnd;
  }

  Transmission plan;
  if (!fault) {
    plan.steps.push_back({{}, std::move(frame)});
    return plan;
  }
  switch (fault->kind) {
    case Kind::Silence:
    case Kind::LostReply:
      break;
    case Kind::Nak:
      plan.steps.push_back({{}, std::string(1, kNak)});
      break;
    case Kind::BadChecksum:
      if (frame.size() >= 2) {
        char& digit = frame[frame.size() - 2];
        digit = static_cast<char>(0x30 + ((digit - 0x30 + 1) & 0xF));
      }
      plan.steps.push_back({{}, std::move(frame)});
      break;
    case Kind::EarlyEtx:
      frame.resize(std::min(fault->at ? fault->at : dataEnd, frame.size()));
      frame += kEtx;
      plan.steps.push_back({{}, std::move(frame)});
      break;
    case Kind::BadTerminator:
      if (!frame.empty()) frame.back() = static_cast<char>(fault->byte);
      plan.steps.push_back({{}, std::move(frame)});
      break;
    case Kind::SynTrain:
      for (unsigned i = 0; i < fault->count; ++i)
        plan.steps.push_back({i ? fault->ms : std::chrono::milliseconds(0), std::string(1, kSyn)});
      plan.steps.push_back({fault->count ? fault->ms : std::chrono::milliseconds(0), std::move(frame)});
      break;
    case Kind::EndlessSyn:
      plan.endlessSyn = fault->ms;
      break;
    case Kind::Pause: {
      const std::size_t at = std::min(fault->at, frame.size());
      plan.steps.push_back({{}, frame.substr(0, at)});
      plan.steps.push_back({fault->ms, frame.substr(at)});
      break;
    }
    case Kind::LongReply:
      for (std::size_t i = 0; i < fault->tail; ++i) frame += static_cast<char>('0' + i % 10);
      plan.steps.push_back({{}, std::move(frame)});
      break;
    case Kind::ByteAfter:
      frame += static_cast<char>(fault->byte);
      plan.steps.push_back({{}, std::move(frame)});
      break;
    case Kind::ManyFields:
    case Kind::LongErrorCode:
    case Kind::PaperOut:
      plan.steps.push_back({{}, std::move(frame)});
      break;
  }
  return plan;
}

}  // namespace printersim
