#include "voice/WaveFormat.h"

CWaveFormat::CWaveFormat() : m_format{}
{
    m_format.wFormatTag = WAVE_FORMAT_PCM;
    m_format.cbSize = 0;
    m_format.wBitsPerSample = 16;
    m_format.nSamplesPerSec = 22050;
    m_format.nChannels = 1;
    RecomputeDerivedFields();
}

void CWaveFormat::SetBitsPerSample(uint16_t bits)
{
    m_format.wBitsPerSample = bits;
    RecomputeDerivedFields();
}

void CWaveFormat::SetSamplesPerSec(uint32_t samplesPerSec)
{
    m_format.nSamplesPerSec = samplesPerSec;
    RecomputeDerivedFields();
}

void CWaveFormat::SetChannels(uint16_t channels)
{
    m_format.nChannels = channels;
    RecomputeDerivedFields();
}

void CWaveFormat::RecomputeDerivedFields()
{
    m_format.nBlockAlign = static_cast<uint16_t>(m_format.nChannels * (m_format.wBitsPerSample / 8));
    // Bytes per second count every channel's samples, so a device is never told a rate that
    // disagrees with the block alignment.
    m_format.nAvgBytesPerSec = m_format.nSamplesPerSec * m_format.nBlockAlign;
}
