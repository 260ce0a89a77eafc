// The profile catalogue (filled by the picker work).
