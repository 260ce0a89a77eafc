// The preview library (filled by the preview work).
