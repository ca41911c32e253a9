// Datagrams from anyone on the network: whatever decodes must encode again and decode to the
// same fields.
#include <cstdlib>

#include "lanmailslot/wire/datagram.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoded = lanmailslot::wire::DecodeDatagram({data, size});
  if (!decoded) return 0;
  auto encoded = lanmailslot::wire::EncodeDatagram(*decoded);
  if (encoded.empty() || encoded.size() > size) std::abort();
  if (lanmailslot::wire::DecodeDatagram(encoded) != decoded) std::abort();
  return 0;
}
