// The life of an object, watched without atomic counts: the owner holds an ORVLifeToken, anyone
// may keep an ORVLifeWatch of it and ask whether the owner still lives. Loops that call handlers
// which may delete objects (queue pumps, child walks) keep a watch and check it before touching
// one again. Single-threaded, like the whole toolkit: counts are plain integers.
#pragma once

#include <cstdint>
#include <new>

class ORVLifeWatch {
public:
    ORVLifeWatch() = default;
    ORVLifeWatch(const ORVLifeWatch& other) : m_pBlock(other.m_pBlock) { Acquire(); }
    ORVLifeWatch(ORVLifeWatch&& other) noexcept : m_pBlock(other.m_pBlock) { other.m_pBlock = nullptr; }
    ORVLifeWatch& operator=(const ORVLifeWatch& other)
    {
        if (m_pBlock != other.m_pBlock) {
            Release();
            m_pBlock = other.m_pBlock;
            Acquire();
        }
        return *this;
    }
    ORVLifeWatch& operator=(ORVLifeWatch&& other) noexcept
    {
        if (this != &other) {
            Release();
            m_pBlock = other.m_pBlock;
            other.m_pBlock = nullptr;
        }
        return *this;
    }
    ~ORVLifeWatch() { Release(); }

    // True once the watched object is gone (and for a watch of nothing).
    bool expired() const { return m_pBlock == nullptr || !m_pBlock->m_bAlive; }

private:
    friend class ORVLifeToken;
    struct Block {
        std::uint32_t m_nWatches = 0;
        bool m_bAlive = true;
    };

    explicit ORVLifeWatch(Block* block) : m_pBlock(block) { Acquire(); }
    void Acquire()
    {
        if (m_pBlock != nullptr) {
            ++m_pBlock->m_nWatches;
        }
    }
    void Release()
    {
        if (m_pBlock != nullptr && --m_pBlock->m_nWatches == 0 && !m_pBlock->m_bAlive) {
            delete m_pBlock;
        }
        m_pBlock = nullptr;
    }

    Block* m_pBlock = nullptr;
};

// Held by the watched object: ends with it (or earlier, through End), and from then on every
// watch of it reports expired. The shared block is freed by whichever of the token and the last
// watch goes last. Without memory for the block, watches of the object report expired from the
// start (loops then stop early rather than touch a dead object).
class ORVLifeToken {
public:
    ORVLifeToken() : m_pBlock(new (std::nothrow) ORVLifeWatch::Block()) {}
    ~ORVLifeToken() { End(); }
    ORVLifeToken(const ORVLifeToken&) = delete;
    ORVLifeToken& operator=(const ORVLifeToken&) = delete;

    ORVLifeWatch Watch() const { return ORVLifeWatch(m_pBlock); }

    void End()
    {
        if (m_pBlock == nullptr) {
            return;
        }
        m_pBlock->m_bAlive = false;
        if (m_pBlock->m_nWatches == 0) {
            delete m_pBlock;
        }
        m_pBlock = nullptr;
    }

private:
    ORVLifeWatch::Block* m_pBlock;
};
