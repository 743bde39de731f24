#include "FakeAmfSurface.h"

namespace parvalon::host::testing {

FakeAmfSurface::FakeAmfSurface(void* texture) : FakeAmfData("Surface", amf::AMF_DATA_SURFACE), texture_(texture) {}

amf::AMF_SURFACE_FORMAT FakeAmfSurface::GetFormat() {
  log("GetFormat");
  return amf::AMF_SURFACE_BGRA;
}
amf::amf_size FakeAmfSurface::GetPlanesCount() {
  log("GetPlanesCount");
  return 1;
}
amf::AMFPlane* FakeAmfSurface::GetPlaneAt(amf::amf_size) {
  unexpected("GetPlaneAt");
  return nullptr;
}
amf::AMFPlane* FakeAmfSurface::GetPlane(amf::AMF_PLANE_TYPE) {
  unexpected("GetPlane");
  return nullptr;
}
amf::AMF_FRAME_TYPE FakeAmfSurface::GetFrameType() {
  log("GetFrameType");
  return amf::AMF_FRAME_PROGRESSIVE;
}
void FakeAmfSurface::SetFrameType(amf::AMF_FRAME_TYPE) { unexpected("SetFrameType"); }
amf::AMF_RESULT FakeAmfSurface::SetCrop(amf::amf_int32, amf::amf_int32, amf::amf_int32, amf::amf_int32) {
  return unexpected("SetCrop");
}
amf::AMF_RESULT FakeAmfSurface::CopySurfaceRegion(amf::AMFSurface*, amf::amf_int32, amf::amf_int32, amf::amf_int32,
                                                  amf::amf_int32, amf::amf_int32, amf::amf_int32) {
  return unexpected("CopySurfaceRegion");
}
void FakeAmfSurface::AddSurfaceObserver(amf::AMFSurfaceObserver*) { unexpected("AddSurfaceObserver"); }
void FakeAmfSurface::RemoveSurfaceObserver(amf::AMFSurfaceObserver*) { unexpected("RemoveSurfaceObserver"); }

}  // namespace parvalon::host::testing
