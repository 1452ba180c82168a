// A table of the platform's records behind handles: the handle is the record's address, and a
// handle that names no live record is refused rather than followed. Any thread may use it.
#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>

template <typename Record>
class HandleTable {
  public:
    // Takes ownership; the record's address is its handle.
    Record* Add(std::unique_ptr<Record> record) {
        Record* handle = record.get();
        std::lock_guard guard(lock_);
        live_.emplace(static_cast<const void*>(handle), std::move(record));
        return handle;
    }

    // The record if `handle` names a live one, else null.
    Record* Find(const void* handle) {
        std::lock_guard guard(lock_);
        const auto found = live_.find(handle);
        return found == live_.end() ? nullptr : found->second.get();
    }

    // Removes the record and hands it back, so that it is destroyed outside the table's lock.
    std::unique_ptr<Record> Take(const void* handle) {
        std::lock_guard guard(lock_);
        const auto found = live_.find(handle);
        if (found == live_.end()) {
            return nullptr;
        }
        std::unique_ptr<Record> record = std::move(found->second);
        live_.erase(found);
        return record;
    }

    // Forgets every record, for a test that starts afresh.
    void Clear() {
        std::unordered_map<const void*, std::unique_ptr<Record>> dropped;
        {
            std::lock_guard guard(lock_);
            dropped.swap(live_);
        }
    }

  private:
    std::mutex lock_;
    std::unordered_map<const void*, std::unique_ptr<Record>> live_;
};
