// Both message checks over arbitrary datagrams; a reply or request that passes must rebuild
// into the same leading bytes.
#include <cstdlib>
#include <cstring>

#include "timeproto/time_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > timeproto::kMaxMessageSize) return 0;
  std::span<const std::uint8_t> bytes(data, size);

  if (auto name = timeproto::CheckTimeRequest(bytes)) {
    if (name->size() > timeproto::kMaxNameLength) std::abort();
    auto rebuilt = timeproto::BuildTimeRequest(*name);
    if (std::memcmp(rebuilt.data() + 2, data + 2, 4 + name->size()) != 0) std::abort();
  }
  auto reply = timeproto::CheckTimeReply(bytes);
  if (reply.status == timeproto::ReplyStatus::ReplyOk) {
    auto rebuilt = timeproto::BuildTimeReply(reply.server_name, reply.time);
    if (std::memcmp(rebuilt.data() + 22, data + 22, 18) != 0) std::abort();
  }
  return 0;
}
