#pragma once
// CWaveFormat: the PCM format that the voice is played in, kept in the platform's wave format
// record so that the wave player can hand the record itself to the device.
#include "platform/wave/WaveOut.h"

#include <cstdint>

class CWaveFormat {
public:
    // PCM, 1 channel, 22050 samples per second, 16 bits: block alignment 2, 44100 bytes per second.
    CWaveFormat();
    virtual ~CWaveFormat() = default;

    // Each setter stores its value and recomputes block alignment and bytes per second.
    void SetBitsPerSample(uint16_t bits);
    void SetSamplesPerSec(uint32_t samplesPerSec);
    void SetChannels(uint16_t channels);

    uint16_t GetBitsPerSample() const { return m_format.wBitsPerSample; }
    uint32_t GetSamplesPerSec() const { return m_format.nSamplesPerSec; }
    uint16_t GetChannels() const { return m_format.nChannels; }
    // The whole record; valid as long as this object.
    WAVEFORMATEX* GetFormat() { return &m_format; }

private:
    void RecomputeDerivedFields();

    WAVEFORMATEX m_format;
};
