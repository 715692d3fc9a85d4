#pragma once
// Waits of the paced drawing go through this clock, so tests can count them instead of sleeping.

class Horloge {
public:
    virtual ~Horloge() = default;
    virtual void Attendre(int millisecondes) = 0;
};

class HorlogeReelle : public Horloge {
public:
    void Attendre(int millisecondes) override;
};

// A clock that does not wait: headless commands and benchmarks draw unpaced.
class HorlogeMuette : public Horloge {
public:
    void Attendre(int) override {}
};
