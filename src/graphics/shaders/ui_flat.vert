// Flat rectangles given directly in clip space (panels).
in vec2 position;
in vec4 color;

out vec4 fcolor;

void main() {
    gl_Position = vec4(position, 0.0, 1.0);
    fcolor = color;
}
