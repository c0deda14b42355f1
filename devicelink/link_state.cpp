#include "link_state.h"

#include <cstring>

namespace devicelink {

extern const RxHandler RxHandlerTable[RxStateCount];

namespace {
TLinkState gLink;
TDeviceReply gReply;

void ResetReply() {
  std::memset(&gReply, 0, sizeof gReply);
  gReply.CommandText = "";
  gReply.SentData = "";
  gReply.ReplyText = "";
  for (const char*& field : gReply.Fields) field = "";
}

void ResetLink() {
  std::memset(&gLink, 0, sizeof gLink);
  gLink.CommHandle = InvalidPort;
  gLink.RxHandlers = RxHandlerTable;
}

struct InitialState {
  InitialState() { ResetLinkState(); }
} gInitialState;
}  // namespace

TLinkState& LinkState() { return gLink; }
TDeviceReply& LinkReply() { return gReply; }

void ResetLinkState() {
  ResetLink();
  ResetReply();
}

}  // namespace devicelink
