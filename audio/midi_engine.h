// midi_engine.h: the MIDI synthesis that the music player drives.
// (placeholder: the audio work fills in this interface)
#pragma once

class MidiEngine {
public:
  virtual ~MidiEngine() = default;
};
