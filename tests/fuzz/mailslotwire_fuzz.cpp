// Datagrams from anyone on the network: whatever decodes must encode again and decode to the
// same fields.
#include <cstdlib>

#include "mailslotwire/datagram.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoded = mailslotwire::DecodeDatagram({data, size});
  if (!decoded) return 0;
  auto encoded = mailslotwire::EncodeDatagram(*decoded);
  if (encoded.empty() || encoded.size() > size) std::abort();
  if (mailslotwire::DecodeDatagram(encoded) != decoded) std::abort();
  return 0;
}
