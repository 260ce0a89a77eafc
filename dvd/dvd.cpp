// DVD sources are not part of this version yet.
