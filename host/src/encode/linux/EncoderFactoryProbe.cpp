#include "encode/EncoderFactory.h"
#include "encode/SoftwareEncoderEntry.h"

namespace parvalon::host {

EncoderFactory::AdapterProbe EncoderFactory::systemProbe(const platform::GpuDevice*) {
  // No DXGI adapter on this platform: the vendor runtimes are never probed.
  AdapterProbe probe;
  probe.softwareUsable = softwareEncoderUsable();
  return probe;
}

}  // namespace parvalon::host
