// PtrList: growth, order, the null sentinel, the compacting removal of dead entries and the
// deletion of owned entries.
#include <gtest/gtest.h>

#include "ptr_list.h"

#include <string>
#include <vector>

namespace {

// An entry that records in a shared log when it is asked whether it is dead and when it is
// destroyed.
struct Probe {
    Probe(int probeId, bool dead = false, std::vector<std::string>* probeLog = nullptr)
        : id(probeId), isDeadAnswer(dead), log(probeLog) {}
    ~Probe() { record("delete"); }
    bool isDead() const {
        record("ask");
        return isDeadAnswer;
    }
    void record(const char* event) const {
        if (log != nullptr) {
            log->push_back(std::string(event) + " " + std::to_string(id));
        }
    }

    int id;
    bool isDeadAnswer;
    std::vector<std::string>* log;
};

// Adds one probe per flag, ids 0, 1, 2, ...
void fill(PtrList<Probe>& list, const std::vector<bool>& dead,
          std::vector<std::string>* log = nullptr) {
    for (std::size_t i = 0; i < dead.size(); ++i) {
        list.add(new Probe(static_cast<int>(i), dead[i], log));
    }
}

std::vector<int> ids(const PtrList<Probe>& list) {
    std::vector<int> result;
    for (int i = 0; i < list.count(); ++i) {
        result.push_back(list.get(i)->id);
    }
    return result;
}

bool hasSentinel(const PtrList<Probe>& list) {
    return list.data() != nullptr && list.data()[list.count()] == nullptr;
}

} // namespace

TEST(PtrListGrowth, GrowsByOneHundredAndOneKeepingOrderAndTheSentinel) {
    PtrList<Probe> list;
    EXPECT_EQ(0, list.capacity());
    EXPECT_EQ(nullptr, list.data());
    std::vector<Probe*> added;
    for (int i = 0; i < 203; ++i) {
        added.push_back(new Probe(i));
        list.add(added.back());
        const int expectedCapacity = i < 101 ? 101 : i < 202 ? 202 : 303;
        ASSERT_EQ(expectedCapacity, list.capacity()) << "after add number " << i + 1;
        ASSERT_TRUE(hasSentinel(list));
    }
    ASSERT_EQ(203, list.count());
    for (int i = 0; i < 203; ++i) {
        EXPECT_EQ(added[static_cast<std::size_t>(i)], list.get(i));
    }
}

TEST(PtrListAccess, AddChainsAndGetAtOrBeyondTheEndIsNull) {
    PtrList<Probe> never;
    EXPECT_EQ(nullptr, never.get(0));
    PtrList<Probe> list;
    list.add(new Probe(0)).add(new Probe(1));
    EXPECT_EQ((std::vector<int>{0, 1}), ids(list));
    EXPECT_EQ(nullptr, list.get(2));
    EXPECT_EQ(nullptr, list.get(500));
}

TEST(PtrListRemoveDead, KeepsTheSurvivorsInOrder) {
    struct Case {
        std::vector<bool> dead;
        std::vector<int> survivors;
    };
    const Case cases[] = {
        {{false, true, false}, {0, 2}},                                   // middle
        {{true, false, true}, {1}},                                       // first and last
        {{false, true, true, false}, {0, 3}},                             // consecutive
        {{false, true, true, false, true, true, true, false}, {0, 3, 7}}, // several runs
        {{false, false, false}, {0, 1, 2}},                               // none
        {{true, true, true}, {}},                                         // all
    };
    for (const Case& c : cases) {
        PtrList<Probe> list;
        fill(list, c.dead);
        const int removed = list.removeDead();
        EXPECT_EQ(static_cast<int>(c.dead.size() - c.survivors.size()), removed);
        EXPECT_EQ(c.survivors, ids(list));
        EXPECT_TRUE(hasSentinel(list));  // when all are dead, data()[0] is null
        EXPECT_EQ(101, list.capacity()); // removal never reallocates
    }
}

TEST(PtrListRemoveDead, EmptyListReturnsZeroWithoutTouchingItsSlots) {
    PtrList<Probe> never;
    EXPECT_EQ(0, never.removeDead());
    EXPECT_EQ(nullptr, never.data());

    PtrList<Probe> emptied;
    fill(emptied, {true});
    emptied.removeDead();
    const Probe* const* slots = emptied.data();
    EXPECT_EQ(0, emptied.removeDead());
    EXPECT_EQ(slots, emptied.data());
    EXPECT_TRUE(hasSentinel(emptied));
}

TEST(PtrListRemoveDead, AsksEachEntryOnceInOrderAndDeletesTheDeadAtOnce) {
    std::vector<std::string> log;
    PtrList<Probe> list;
    fill(list, {false, true, true, false, true}, &log);
    list.removeDead();
    EXPECT_EQ((std::vector<std::string>{"ask 0", "ask 1", "delete 1", "ask 2", "delete 2", "ask 3",
                                        "ask 4", "delete 4"}),
              log);
}

TEST(PtrListClear, DeletesEveryOwnedEntryOnce) {
    std::vector<std::string> log;
    {
        PtrList<Probe> list;
        list.clear(); // a list never filled stays empty
        EXPECT_EQ(nullptr, list.data());
        fill(list, {false, false, false}, &log);
        list.clear();
        EXPECT_EQ((std::vector<std::string>{"delete 0", "delete 1", "delete 2"}), log);
        EXPECT_EQ(0, list.count());
        EXPECT_EQ(0, list.capacity());
        EXPECT_EQ(nullptr, list.data());
        fill(list, {false, false}, &log);
    }
    EXPECT_EQ(5u, log.size()); // the destructor deleted the two added after clear
}

TEST(PtrListClear, ListIsFilledAgainFromTheFirstCapacity) {
    PtrList<Probe> list;
    fill(list, std::vector<bool>(150, false));
    list.clear();
    list.add(new Probe(7));
    EXPECT_EQ(101, list.capacity());
    EXPECT_EQ((std::vector<int>{7}), ids(list));
    EXPECT_TRUE(hasSentinel(list));
}
