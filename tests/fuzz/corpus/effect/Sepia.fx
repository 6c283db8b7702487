// Sepia: the warm brown tones of an old print.
technique Sepia
{
    pass Tone
    {
        fragment = SepiaFragment;
    }
}

shader SepiaFragment
<<<
uniform sampler2D MyTexture0;

in vec2 TexCoord;
in vec4 Colour;
out vec4 FragColour;

void main() {
    vec4 texel = texture(MyTexture0, TexCoord);
    vec3 sepia = vec3(dot(texel.rgb, vec3(0.393, 0.769, 0.189)),
                      dot(texel.rgb, vec3(0.349, 0.686, 0.168)),
                      dot(texel.rgb, vec3(0.272, 0.534, 0.131)));
    FragColour = vec4(min(sepia, vec3(1.0)), texel.a) * Colour;
}
>>>
