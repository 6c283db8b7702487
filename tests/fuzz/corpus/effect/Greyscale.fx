// Greyscale: each photo in shades of grey, weighted as the eye sees brightness.
technique Greyscale
{
    pass Grey
    {
        fragment = GreyFragment;
    }
}

shader GreyFragment
<<<
uniform sampler2D MyTexture0;

in vec2 TexCoord;
in vec4 Colour;
out vec4 FragColour;

void main() {
    vec4 texel = texture(MyTexture0, TexCoord);
    float grey = dot(texel.rgb, vec3(0.299, 0.587, 0.114));
    FragColour = vec4(vec3(grey), texel.a) * Colour;
}
>>>
