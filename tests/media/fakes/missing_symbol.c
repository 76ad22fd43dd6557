/* A scaler library that exports one name only: binding must fail on the first missing one. */
int sws_scale(void) {
    return 0;
}
