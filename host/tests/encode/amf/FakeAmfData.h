#pragma once

#include <string>
#include <utility>

#include "FakeAmfObject.h"

namespace parvalon::host::testing {

// The AMFData part of the fake surfaces and buffers: a time stamp and a duration.
template <class Interface>
class FakeAmfData : public FakeAmfObject<Interface> {
 public:
  FakeAmfData(std::string name, amf::AMF_DATA_TYPE type) : FakeAmfObject<Interface>(std::move(name)), type_(type) {}

  amf::AMF_MEMORY_TYPE PV_AMF_STD_CALL GetMemoryType() override {
    this->log("GetMemoryType");
    return type_ == amf::AMF_DATA_SURFACE ? amf::AMF_MEMORY_DX11 : amf::AMF_MEMORY_HOST;
  }
  amf::AMF_RESULT PV_AMF_STD_CALL Duplicate(amf::AMF_MEMORY_TYPE, amf::AMFData**) override {
    return this->unexpected("Duplicate");
  }
  amf::AMF_RESULT PV_AMF_STD_CALL Convert(amf::AMF_MEMORY_TYPE) override { return this->unexpected("Convert"); }
  amf::AMF_RESULT PV_AMF_STD_CALL Interop(amf::AMF_MEMORY_TYPE) override { return this->unexpected("Interop"); }
  amf::AMF_DATA_TYPE PV_AMF_STD_CALL GetDataType() override {
    this->log("GetDataType");
    return type_;
  }
  amf::amf_bool PV_AMF_STD_CALL IsReusable() override {
    this->log("IsReusable");
    return false;
  }
  void PV_AMF_STD_CALL SetPts(amf::amf_pts pts) override {
    this->log("SetPts " + std::to_string(pts));
    pts_ = pts;
  }
  amf::amf_pts PV_AMF_STD_CALL GetPts() override {
    this->log("GetPts");
    return pts_;
  }
  void PV_AMF_STD_CALL SetDuration(amf::amf_pts duration) override {
    this->log("SetDuration " + std::to_string(duration));
    duration_ = duration;
  }
  amf::amf_pts PV_AMF_STD_CALL GetDuration() override {
    this->log("GetDuration");
    return duration_;
  }

  // The fake's own view of the time stamp, without a log line.
  amf::amf_pts storedPts() const { return pts_; }
  void storePts(amf::amf_pts pts) { pts_ = pts; }

 private:
  amf::AMF_DATA_TYPE type_;
  amf::amf_pts pts_ = 0;
  amf::amf_pts duration_ = 0;
};

}  // namespace parvalon::host::testing
