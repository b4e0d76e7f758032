// What the game asks of its sounds: play one by number, or loop one, cutting off the last.
#pragma once

namespace slot
{

class SoundOut
{
public:
    virtual ~SoundOut() = default;
    virtual void play(int n) = 0;
    virtual void playLooping(int n) = 0;
};

} // namespace slot

namespace slot
{

// For a machine with no sound at all.
class SilentSound final : public SoundOut
{
public:
    void play(int) override { }
    void playLooping(int) override { }
};

} // namespace slot
