// Anchor of the resource library: the pictures and sounds themselves are
// compiled in by qt_add_resources and registered when the program starts.
namespace kolumo_resources {
// Gives the static library one object of its own.
int Anchor()
{
    return 0;
}
} // namespace kolumo_resources
