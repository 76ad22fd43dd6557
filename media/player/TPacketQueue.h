#pragma once

#include "media/AVBindings.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

// One entry of a packet queue: a packet, or the flush marker that tells the
// decoder a seek happened. Serial counts flush markers: pictures and samples
// decoded after a marker carry its serial, so stale ones can be told apart.
struct TQueuedPacket {
    AVPacket* Packet = nullptr; // owned; null for the flush marker
    bool Flush = false;
    int Serial = 0;
};

// A FIFO of packets between the reading thread and one decoder. Every
// operation takes the queue's own mutex.
class TPacketQueue {
public:
    TPacketQueue() = default;
    ~TPacketQueue();
    TPacketQueue(const TPacketQueue&) = delete;
    TPacketQueue& operator=(const TPacketQueue&) = delete;

    // Takes the packet's reference (the packet is left blank). -1 when aborted
    // or out of memory.
    int Put(AVPacket* APacket);
    // An empty packet: the decoder drains.
    int PutNull(int AStreamIndex);
    // Drops everything queued and appends a flush marker with a new serial.
    void PutFlush();
    // 1 got one (the caller owns out.Packet), 0 none (not blocking), -1 aborted.
    int Get(TQueuedPacket& out, bool ABlock);
    void Flush();
    void Abort();
    // Clears the abort flag (the queue is used again).
    void Start();

    int NbPackets() const;
    int64_t Size() const;
    int Serial() const;
    bool Aborted() const;

private:
    void FlushLocked();

    mutable std::mutex FMutex;
    std::condition_variable FCond;
    std::deque<TQueuedPacket> FPackets;
    int64_t FSize = 0;
    int FSerial = 0;
    bool FAbort = false;
};

// Frees the packet of an entry taken from a queue.
void FreeQueuedPacket(TQueuedPacket& APacket);
