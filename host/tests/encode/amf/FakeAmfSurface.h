#pragma once

#include "FakeAmfData.h"

namespace parvalon::host::testing {

// A surface around a Direct3D 11 texture (or around nothing: the extra data object some tests
// make the component hand out before an output).
class FakeAmfSurface final : public FakeAmfData<amf::AMFSurface> {
 public:
  explicit FakeAmfSurface(void* texture);

  void* texture() const { return texture_; }

  amf::AMF_SURFACE_FORMAT PV_AMF_STD_CALL GetFormat() override;
  amf::amf_size PV_AMF_STD_CALL GetPlanesCount() override;
  amf::AMFPlane* PV_AMF_STD_CALL GetPlaneAt(amf::amf_size index) override;
  amf::AMFPlane* PV_AMF_STD_CALL GetPlane(amf::AMF_PLANE_TYPE type) override;
  amf::AMF_FRAME_TYPE PV_AMF_STD_CALL GetFrameType() override;
  void PV_AMF_STD_CALL SetFrameType(amf::AMF_FRAME_TYPE type) override;
  amf::AMF_RESULT PV_AMF_STD_CALL SetCrop(amf::amf_int32 x, amf::amf_int32 y, amf::amf_int32 width,
                                          amf::amf_int32 height) override;
  amf::AMF_RESULT PV_AMF_STD_CALL CopySurfaceRegion(amf::AMFSurface* pDest, amf::amf_int32 dstX, amf::amf_int32 dstY,
                                                    amf::amf_int32 srcX, amf::amf_int32 srcY, amf::amf_int32 width,
                                                    amf::amf_int32 height) override;
  void PV_AMF_STD_CALL AddSurfaceObserver(amf::AMFSurfaceObserver* pObserver) override;
  void PV_AMF_STD_CALL RemoveSurfaceObserver(amf::AMFSurfaceObserver* pObserver) override;

 private:
  void* texture_;
};

}  // namespace parvalon::host::testing
