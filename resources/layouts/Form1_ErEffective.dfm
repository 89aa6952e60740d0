object GroupBox43: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Er Effective '
  // The same rows as the conductor-impedance panel's microstrip.
  object Label782: TLabel
    Left = 16
    Top = 24
    Width = 168
    Height = 15
    Caption = 'Conductor Width (W)'
  end
  object Edit25: TEdit
    OnKeyDown = Edit25KeyDown
    OnKeyPress = Edit25KeyPress
    Left = 16
    Top = 48
    Width = 96
    Height = 22
    Text = '17'
    Hint = 'Enter the width of the conductor.'
    TabOrder = 0
  end
  object Edit222: TEdit
    Left = 116
    Top = 52
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 1
  end
  object Label783: TLabel
    Left = 16
    Top = 80
    Width = 168
    Height = 15
    Caption = 'Conductor Height (H)'
  end
  object Edit46: TEdit
    OnKeyDown = Edit46KeyDown
    OnKeyPress = Edit46KeyPress
    Left = 16
    Top = 104
    Width = 96
    Height = 22
    Text = '10'
    Hint = 'Enter the conductor'#39's distance above its reference plane.'
    TabOrder = 2
  end
  object Edit223: TEdit
    Left = 116
    Top = 108
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 3
  end
  object Label784: TLabel
    Left = 16
    Top = 136
    Width = 168
    Height = 15
    Caption = 'Frequency (MHz)'
  end
  object Edit224: TEdit
    OnKeyDown = Edit224KeyDown
    OnKeyPress = Edit224KeyPress
    Left = 16
    Top = 160
    Width = 96
    Height = 22
    Text = '500'
    Hint = 'Enter the frequency in MHz.'
    TabOrder = 4
  end
  object Label785: TLabel
    Left = 232
    Top = 24
    Width = 136
    Height = 15
    Caption = 'Er Effective'
  end
  object Edit221: TEdit
    Left = 232
    Top = 48
    Width = 136
    Height = 22
    ReadOnly = True
    Hint = 'Er Effective based on inputs.'
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 5
  end
  // Receives the model's impedance; never shown.
  object Edit225: TEdit
    Left = 232
    Top = 104
    Width = 136
    Height = 22
    ReadOnly = True
    TabStop = False
    Visible = False
    TabOrder = 6
  end
  object Button5: TButton
    OnClick = Button5Click
    Left = 16
    Top = 208
    Width = 224
    Height = 30
    Caption = 'Send to Wavelength Calculator'
    Hint = 'Send results to Wavelength Calculator.'
    TabOrder = 7
  end
  object Image660: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 224
    Picture = 'imp_microstrip'
    Stretch = True
    Proportional = True
  end
  object Label81: TLabel
    Left = 16
    Top = 272
    Width = 48
    Height = 15
    Caption = 'Note:'
    Font.Style = [fsBold]
  end
  object Label263: TLabel
    Left = 16
    Top = 292
    Width = 440
    Height = 15
    Caption = 'This calculator uses the Hammerstad-Jensen formulas for the'
  end
  object Label264: TLabel
    Left = 16
    Top = 310
    Width = 440
    Height = 15
    Caption = 'effective dielectric constant of a microstrip, not the simplified'
  end
  object Label265: TLabel
    Left = 16
    Top = 328
    Width = 440
    Height = 15
    Caption = 'formula of IPC-2141A.'
  end
  object Button16: TButton
    OnClick = Button16Click
    Left = 16
    Top = 360
    Width = 200
    Height = 30
    Caption = 'Er Effective Information'
    Hint = 'Click for internet resource.'
    TabOrder = 8
  end
end
