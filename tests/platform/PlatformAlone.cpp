// Linked with every object of quadrel_platform and nothing above it: a call from the platform up
// into the core or the windows is an undefined reference, and this program does not link.
int main() {
  return 0;
}
