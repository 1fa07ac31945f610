// Reads a running show's folder entries on a thread of its own, so that a tree of any
// size never holds the window: each order (ShowPictures::takeWanted) becomes readings,
// which the window thread collects when told (`ready`, a WindowNotice's poster). A first
// reading comes in parts as the tree is walked, the first part as soon as one picture is
// found; a reading again comes whole, so that the show never sees a tree half read.
//
// The thread is contained as the preparer's is: it holds only what it was given; a
// restart or the end stops its walk at the next file; one still inside a system call when
// the show ends is left behind, and the process ends without waiting for it.
#pragma once

#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/services.h"
#include "render/show_pictures.h"

namespace qs {

class FolderScanner {
public:
    // `extensions`: also pictures by name (IsPictureFile), for every format the system decodes.
    FolderScanner(platform::Files& files, std::vector<std::string> extensions, std::function<void()> ready);
    ~FolderScanner();
    FolderScanner(const FolderScanner&) = delete;
    FolderScanner& operator=(const FolderScanner&) = delete;

    // --- on the window thread ---
    // More entries to read: after those asked for already, an urgent one before them.
    void read(std::vector<FolderOrder> orders);
    // The entries changed: nothing asked for so far is read further.
    void restart();
    // The readings that came since the last call, in the order they came.
    std::vector<FolderReading> collect();

    // True once any show of the process has left a reading thread behind.
    static bool threadsLeftBehind();

private:
    struct Channel;
    std::shared_ptr<Channel> channel_;
    std::jthread thread_;
};

} // namespace qs
