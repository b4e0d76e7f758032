// Every sleep, every "let pending events run" point and every timer interval of the game.
// The game runs at the real milliseconds; tests run the same blocking loops at zero delay.
#pragma once

namespace slot
{

class Pacing
{
public:
    virtual ~Pacing() = default;
    virtual void sleep(int ms) = 0;
    virtual void processEvents() = 0;
    virtual int interval(int ms) { return ms; }
};

class RealPacing final : public Pacing
{
public:
    void sleep(int ms) override;
    void processEvents() override;
};

} // namespace slot
