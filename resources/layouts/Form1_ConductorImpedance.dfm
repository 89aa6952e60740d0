object GroupBox15: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Conductor Impedance '
  // Inputs, captions above their boxes. The second value and the frequency
  // share one row: no structure shows both.
  object Label780: TLabel
    Left = 16
    Top = 24
    Width = 168
    Height = 15
    Caption = 'Conductor Width (W)'
  end
  object Edit67: TEdit
    OnKeyDown = Edit67KeyDown
    OnKeyPress = Edit67KeyPress
    Left = 16
    Top = 48
    Width = 96
    Height = 22
    Text = '17'
    Hint = 'Enter the width of the conductor.'
    TabOrder = 0
  end
  object Edit71: TEdit
    Left = 116
    Top = 52
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 1
  end
  object Label101: TLabel
    Left = 16
    Top = 80
    Width = 168
    Height = 15
    Caption = 'Conductor Height (H)'
  end
  object Edit68: TEdit
    OnKeyDown = Edit68KeyDown
    OnKeyPress = Edit68KeyPress
    Left = 16
    Top = 104
    Width = 96
    Height = 22
    Text = '10'
    Hint = 'Enter the conductor'#39's distance above its reference plane.'
    TabOrder = 2
  end
  object Edit72: TEdit
    Left = 116
    Top = 108
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 3
  end
  object Label104: TLabel
    Left = 16
    Top = 136
    Width = 168
    Height = 15
    Caption = 'Conductor Height (H2)'
    Visible = False
  end
  object Edit74: TEdit
    OnKeyDown = Edit74KeyDown
    OnKeyPress = Edit74KeyPress
    Left = 16
    Top = 160
    Width = 96
    Height = 22
    Text = '8'
    Hint = 'Enter the conductor'#39's distance above its reference plane.'
    Visible = False
    TabOrder = 4
  end
  object Edit75: TEdit
    Left = 116
    Top = 164
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    Visible = False
    TabOrder = 5
  end
  object Label288: TLabel
    Left = 16
    Top = 136
    Width = 168
    Height = 15
    Caption = 'Frequency (MHz)'
  end
  object Edit226: TEdit
    OnKeyDown = Edit67KeyDown
    OnKeyPress = Edit226KeyPress
    Left = 16
    Top = 160
    Width = 96
    Height = 22
    Text = '500'
    Hint = 'Enter the frequency in MHz.'
    TabOrder = 6
  end
  // Checked quantities with their ranges, under the inputs (tops by structure).
  object Label107: TLabel
    Left = 16
    Top = 146
    Width = 56
    Height = 15
    Caption = '(W) = '
    Visible = False
  end
  object Label108: TLabel
    Left = 72
    Top = 146
    Width = 152
    Height = 15
    Font.Color = clBlack
    Visible = False
  end
  object Label111: TLabel
    Left = 16
    Top = 174
    Width = 56
    Height = 15
    Caption = '(H) = '
    Visible = False
  end
  object Label112: TLabel
    Left = 72
    Top = 174
    Width = 152
    Height = 15
    Font.Color = clBlack
    Visible = False
  end
  object Label260: TLabel
    Left = 16
    Top = 202
    Width = 56
    Height = 15
    Caption = 'Ohm = '
    Visible = False
  end
  object Label261: TLabel
    Left = 72
    Top = 202
    Width = 152
    Height = 15
    Font.Color = clBlack
    Visible = False
  end
  // Results.
  object Label781: TLabel
    Left = 232
    Top = 24
    Width = 136
    Height = 15
    Caption = 'Zo'
  end
  object Edit70: TEdit
    Left = 232
    Top = 48
    Width = 136
    Height = 22
    ReadOnly = True
    Hint = 'Impedance of the conductor.'
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 7
  end
  object Label115: TLabel
    Left = 232
    Top = 80
    Width = 136
    Height = 15
    Caption = 'Tpd'
  end
  object Edit77: TEdit
    Left = 232
    Top = 104
    Width = 136
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 8
  end
  object Label114: TLabel
    Left = 232
    Top = 136
    Width = 136
    Height = 15
    Caption = 'Co'
  end
  object Edit76: TEdit
    Left = 232
    Top = 160
    Width = 136
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 9
  end
  object Label54: TLabel
    Left = 232
    Top = 192
    Width = 136
    Height = 15
    Caption = 'Lo'
  end
  object Edit73: TEdit
    Left = 232
    Top = 216
    Width = 136
    Height = 22
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 10
  end
  // One picture per structure, all in one place.
  object Image8: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_microstrip'
    Stretch = True
    Proportional = True
  end
  object Image16: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_microstrip_embedded'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image22: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_stripline'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image9: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_stripline_asym'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image47: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_stripline_dual'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image19: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_coplanar'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // Notes under the picture: the restrictions, or the offset stripline's
  // formula choice and warning.
  object Label57: TLabel
    Left = 384
    Top = 264
    Width = 208
    Height = 15
    Caption = 'Formula Restrictions:'
    Visible = False
  end
  object Label85: TLabel
    Left = 384
    Top = 288
    Width = 208
    Height = 15
    Caption = '0.1 < W/H < 3.0'
    Visible = False
  end
  object Label86: TLabel
    Left = 384
    Top = 312
    Width = 208
    Height = 15
    Caption = '1 < Er < 15'
    Visible = False
  end
  object Label246: TLabel
    Left = 384
    Top = 336
    Width = 208
    Height = 15
    Caption = '0.25 < T/H'
    Visible = False
  end
  object BitBtn3: TBitBtn
    OnClick = BitBtn3Click
    Left = 608
    Top = 300
    Width = 88
    Height = 30
    Caption = '&Help'
    Kind = bkHelp
    Hint = 'Click for help on this topic.'
    Visible = False
    TabOrder = 12
  end
  object RadioGroup24: TRadioGroup
    OnClick = RadioGroup24Click
    Left = 384
    Top = 264
    Width = 184
    Height = 96
    Caption = ' Formula Selection '
    Items.Strings = (
      'Default'
      'IPC-2141'
      'Wadell')
    ItemIndex = 0
    Visible = False
    TabOrder = 11
  end
  object Label116: TLabel
    Left = 384
    Top = 368
    Width = 184
    Height = 15
    Caption = 'Wide calculation mode'
    Visible = False
  end
  object Label188: TLabel
    Left = 384
    Top = 400
    Width = 96
    Height = 15
    Caption = 'Attention!'
    Font.Color = clRed
    Font.Style = [fsBold]
    Visible = False
  end
  object Label191: TLabel
    Left = 384
    Top = 420
    Width = 320
    Height = 15
    Caption = 'Please use Stripline Calculator if H1 = H2'
    Font.Color = clRed
    Visible = False
  end
end
