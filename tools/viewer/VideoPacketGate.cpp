#include "VideoPacketGate.h"

#include <algorithm>

namespace parvalon::viewer {

void VideoPacketGate::setStream(std::uint8_t streamId) {
  streamId_ = streamId;
  // Packets of other streams held while the number was unknown are not ours.
  std::deque<VideoPacket> kept;
  heldBytes_ = 0;
  for (auto& p : held_) {
    if (ours(p)) {
      heldBytes_ += p.payload.size();
      kept.push_back(std::move(p));
    } else {
      ++dropped_;
    }
  }
  held_ = std::move(kept);
}

void VideoPacketGate::hold(VideoPacket packet) {
  heldBytes_ += packet.payload.size();
  held_.push_back(std::move(packet));
  while (heldBytes_ > kMaxHeldBytes && !held_.empty()) {
    heldBytes_ -= held_.front().payload.size();
    held_.pop_front();
    ++dropped_;
  }
}

std::vector<VideoPacket> VideoPacketGate::onConfig() {
  configured_ = true;
  std::vector<VideoPacket> ready;
  if (!streamId_) return ready;
  for (auto& p : held_) {
    if (!ours(p)) continue;
    if (awaitingKey_ && !p.keyFrame) {
      ++dropped_;
      continue;
    }
    awaitingKey_ = false;
    ready.push_back(std::move(p));
  }
  held_.clear();
  heldBytes_ = 0;
  return ready;
}

std::vector<VideoPacket> VideoPacketGate::onPacket(VideoPacket packet) {
  std::vector<VideoPacket> ready;
  if (streamId_ && !ours(packet)) {
    ++dropped_;
    return ready;
  }
  if (!streamId_ || !configured_) {
    hold(std::move(packet));
    return ready;
  }
  if (awaitingKey_ && !packet.keyFrame) {
    ++dropped_;
    return ready;
  }
  if (packet.keyFrame) {
    awaitingKey_ = false;
    lastRequestMs_.reset();
  }
  ready.push_back(std::move(packet));
  return ready;
}

void VideoPacketGate::onReconnect() {
  awaitingKey_ = true;
  lastRequestMs_.reset();
  dropped_ += held_.size();
  held_.clear();
  heldBytes_ = 0;
}

bool VideoPacketGate::takeKeyframeRequest(std::int64_t nowMs) {
  if (!configured_ || !awaitingKey_ || !streamId_) return false;
  if (lastRequestMs_ && nowMs - *lastRequestMs_ < kKeyframeRetryMs) return false;
  lastRequestMs_ = nowMs;
  return true;
}

}  // namespace parvalon::viewer
