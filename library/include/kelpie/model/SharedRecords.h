// The file's shared records (IR codes, icons): one object per file position,
// in loading order, with a position index so that finding the object of a
// position stays constant-time however many there are.
#pragma once

#include <kelpie/model/Collection.h>

#include <unordered_map>

namespace kelpie {

template <class T> class SharedRecords : public Collection<T> {
public:
    // The first item at `position`, or nullptr.
    T* Find(std::int32_t position) const {
        auto found = index_.find(position);
        return found == index_.end() ? nullptr : found->second;
    }
    using Collection<T>::Remove;
    void Remove(std::int32_t index) override {
        Collection<T>::Remove(index);
        Reindex();
    }

protected:
    // The item at `position` with one more reference, or nullptr when there
    // is none (the loader then reads the record and adds it).
    T* CountReference(std::int32_t position) {
        T* known = Find(position);
        if (known) known->AddReference();
        return known;
    }
    // The item at `position` with one more reference, or a new one made
    // from `record` (reference count 1) appended at the end. The first item
    // at a position wins, as a walk from the front would find it.
    template <class Record> T& FindOrAddRecord(std::int32_t position, const Record& record) {
        if (T* known = CountReference(position)) return *known;
        auto item = std::make_shared<T>();
        item->SetRecord(record);
        item->SetPosition(position);
        return AppendShared(std::move(item));
    }

    T& AppendShared(std::shared_ptr<T> item) {
        T& added = this->Append(std::move(item));
        index_.try_emplace(added.Position(), &added);
        return added;
    }

private:
    void Reindex() {
        index_.clear();
        for (auto& item : *this)
            index_.try_emplace(item.Position(), &item);
    }
    std::unordered_map<std::int32_t, T*> index_;
};

} // namespace kelpie
