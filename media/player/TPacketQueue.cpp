#include "media/player/TPacketQueue.h"

namespace {
// Bytes a queued packet counts on top of its data, as the list node it once was.
constexpr int64_t NodeSize = 72;
} // namespace

void FreeQueuedPacket(TQueuedPacket& APacket) {
    if (APacket.Packet) av::av_packet_free(&APacket.Packet);
}

TPacketQueue::~TPacketQueue() {
    Flush();
}

int TPacketQueue::Put(AVPacket* APacket) {
    AVPacket* own = av::av_packet_alloc();
    if (!own) return -1;
    av::av_packet_move_ref(own, APacket);
    // A packet must not point into the demuxer's buffer once queued.
    if (av::av_packet_make_refcounted(own) < 0) {
        av::av_packet_free(&own);
        return -1;
    }
    std::lock_guard lock(FMutex);
    if (FAbort) {
        av::av_packet_free(&own);
        return -1;
    }
    FSize += own->size + NodeSize;
    FPackets.push_back({own, false, FSerial});
    FCond.notify_one();
    return 0;
}

int TPacketQueue::PutNull(int AStreamIndex) {
    AVPacket* pkt = av::av_packet_alloc();
    if (!pkt) return -1;
    pkt->stream_index = AStreamIndex;
    const int r = Put(pkt);
    av::av_packet_free(&pkt);
    return r;
}

void TPacketQueue::PutFlush() {
    std::lock_guard lock(FMutex);
    FlushLocked();
    ++FSerial;
    FPackets.push_back({nullptr, true, FSerial});
    FSize += NodeSize;
    FCond.notify_one();
}

int TPacketQueue::Get(TQueuedPacket& out, bool ABlock) {
    std::unique_lock lock(FMutex);
    for (;;) {
        if (FAbort) return -1;
        if (!FPackets.empty()) {
            out = FPackets.front();
            FPackets.pop_front();
            FSize -= (out.Packet ? out.Packet->size : 0) + NodeSize;
            return 1;
        }
        if (!ABlock) return 0;
        FCond.wait(lock);
    }
}

void TPacketQueue::FlushLocked() {
    for (TQueuedPacket& p : FPackets)
        FreeQueuedPacket(p);
    FPackets.clear();
    FSize = 0;
}

void TPacketQueue::Flush() {
    std::lock_guard lock(FMutex);
    FlushLocked();
}

void TPacketQueue::Abort() {
    std::lock_guard lock(FMutex);
    FAbort = true;
    FCond.notify_all();
}

void TPacketQueue::Start() {
    std::lock_guard lock(FMutex);
    FAbort = false;
}

int TPacketQueue::NbPackets() const {
    std::lock_guard lock(FMutex);
    return int(FPackets.size());
}

int64_t TPacketQueue::Size() const {
    std::lock_guard lock(FMutex);
    return FSize;
}

int TPacketQueue::Serial() const {
    std::lock_guard lock(FMutex);
    return FSerial;
}

bool TPacketQueue::Aborted() const {
    std::lock_guard lock(FMutex);
    return FAbort;
}
