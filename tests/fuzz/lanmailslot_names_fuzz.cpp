// Name service packets from anyone on the network: whatever decodes must encode again and
// decode to the same fields, and answering it must neither crash nor answer a response.
#include <cstdlib>

#include "lanmailslot/broadcast_node.h"
#include "lanmailslot/wire/name_packet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lanmailslot;
  const auto decoded = wire::DecodeNamePacket({data, size});
  if (!decoded) return 0;
  const auto encoded = wire::EncodeNamePacket(*decoded);
  if (encoded.empty() || wire::DecodeNamePacket(encoded) != decoded) std::abort();
  for (const auto& record : decoded->answers) {
    wire::DecodeAddresses(record.data);
    wire::DecodeNodeStatus(record.data);
  }
  const HeldName held[] = {{"ALPHA", false}, {"LAB", true}};
  const auto answer = AnswerNameRequest(*decoded, held, 0x0A000009, 0x0A000002);
  if (answer && (decoded->flags & wire::kFlagResponse) != 0) std::abort();
  if (answer && wire::EncodeNamePacket(answer->packet).empty()) std::abort();
  QueryAnsweredWith(*decoded, decoded->transaction_id, "ALPHA");
  RegistrationRefusedBy(*decoded, decoded->transaction_id, held[0]);
  return 0;
}
